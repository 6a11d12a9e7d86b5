// SPDX-License-Identifier: GPL-3.0-or-later
#include "late_completer.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>

namespace tc::gui {

namespace {

// Sets up the completer on the box's first focus, then leaves.
class CompleterOnFocus : public QObject {
public:
    CompleterOnFocus(QComboBox* combo, QCompleter* standIn) : QObject(combo), standIn_(standIn) {
        combo->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn) return false;
        auto* combo = static_cast<QComboBox*>(watched);
        combo->removeEventFilter(this);
        // A completer someone set meanwhile stays; otherwise the one
        // QComboBox makes for an edit part without one.
        if (standIn_ && combo->lineEdit() && combo->lineEdit()->completer() == standIn_) {
            auto* completer = new QCompleter(combo->model(), combo->lineEdit());
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            completer->setCompletionMode(QCompleter::InlineCompletion);
            completer->setCompletionColumn(combo->modelColumn());
            combo->setCompleter(completer); // deletes the stand-in, a child of the edit part
        }
        deleteLater();
        return false;
    }

private:
    QPointer<QCompleter> standIn_;
};

} // namespace

void MakeEditable(QComboBox* combo) {
    if (combo->isEditable()) return;
    auto* edit = new QLineEdit(combo);
    edit->setPalette(combo->palette()); // as setEditable gives it
    auto* standIn = new QCompleter(edit);
    edit->setCompleter(standIn);
    // The list is made by Qt when it is first needed, for a box that is
    // editable by then: the list setEditable makes at once, for a box that
    // was not yet, ends up the same (the test compares them).
    combo->setLineEdit(edit);
    new CompleterOnFocus(combo, standIn);
}

} // namespace tc::gui
