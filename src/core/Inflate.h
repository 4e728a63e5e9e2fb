#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace lx {

// The bytes that raw DEFLATE data (RFC 1951, as a zip archive stores its
// files) stands for; nothing when the data is damaged, ends early or would
// give more than maxSize bytes.
std::optional<QByteArray> Inflate(QByteArrayView deflated, qsizetype maxSize);

} // namespace lx
