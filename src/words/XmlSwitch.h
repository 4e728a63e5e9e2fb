#pragma once

#include <QXmlStreamReader>

namespace lx {

// An element of Word's or Excel's XML that switches something on (<w:b/>,
// <u val="single"/>, <w:tblHeader/>), unless its value says otherwise
// ("false", "0", "off", or "none" for a line).
inline bool IsSwitchedOn(const QXmlStreamReader& xml)
{
    for (const QXmlStreamAttribute& a : xml.attributes()) {
        if (a.name() == u"val")
            return a.value() != u"false" && a.value() != u"0" && a.value() != u"off" && a.value() != u"none";
    }
    return true;
}

} // namespace lx
