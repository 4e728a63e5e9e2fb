#pragma once

// Small helpers for building the window's panels.

#include "document/DocumentSettings.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QRadioButton>
#include <QSpinBox>
#include <QString>

namespace lx::panel {

inline QString U(const char* text)
{
    return QString::fromUtf8(text);
}

template <typename W>
W* Named(W* w, const QString& name, const char* tip = nullptr)
{
    w->setObjectName(name);
    if (tip)
        w->setToolTip(U(tip));
    return w;
}

inline QString Indexed(const char* name, int i)
{
    return U(name) + QLatin1Char('_') + QString::number(i);
}

inline QCheckBox* Check(QWidget* parent, const QString& name, const char* caption, const char* tip = nullptr)
{
    return Named(new QCheckBox(U(caption), parent), name, tip);
}

inline QLabel* Caption(QWidget* parent, const char* text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(U(text), parent);
    label->setBuddy(buddy);
    return label;
}

inline QLineEdit* Edit(QWidget* parent, const QString& name)
{
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setAccessibleName(name);
    return edit;
}

// An option array: buttons named name_0, name_1... in one exclusive group.
inline QButtonGroup* Options(QWidget* parent, const char* name, const QList<const char*>& captions, QBoxLayout* into,
                      const QList<const char*>& tips = {})
{
    auto* group = new QButtonGroup(parent);
    group->setObjectName(U(name));
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = Named(new QRadioButton(U(captions[i]), parent), Indexed(name, i), tips.value(i, nullptr));
        group->addButton(button, i);
        if (into)
            into->addWidget(button);
    }
    // Tab stops at the option chosen, as in any dialog, and the arrows move
    // between the options: stopping at each one, Tab gave focus to options
    // that are not chosen.
    QObject::connect(group, &QButtonGroup::idToggled, group, [group] {
        for (QAbstractButton* button : group->buttons())
            button->setFocusPolicy(button->isChecked() || !group->checkedButton() ? Qt::StrongFocus : Qt::ClickFocus);
    });
    return group;
}

inline QSpinBox* FontSize(QWidget* parent, const char* spinnerName, const char* boxName)
{
    auto* spin = Named(new QSpinBox(parent), U(spinnerName));
    spin->setRange(DocumentSettings::kMinFontSize, DocumentSettings::kMaxFontSize);
    spin->setValue(12);
    spin->setSuffix(U(" pt"));
    spin->findChild<QLineEdit*>()->setObjectName(U(boxName));
    return spin;
}

inline QGroupBox* Group(QWidget* parent, const char* title)
{
    return new QGroupBox(U(title), parent);
}

} // namespace lx::panel
