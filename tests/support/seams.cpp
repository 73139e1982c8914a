#include "support/seams.h"

#include "drill/mydialog.h"
#include "platform/modal.h"
#include "platform/template_dialog.h"
#include "shell/yesdialog.h"
#include "shell/ync.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

ModalScript::ModalScript() : previous_(Modal::currentHook()) {
    Modal::setHook([this](QWidget& w) {
        if (steps_.empty()) {
            ADD_FAILURE() << "unexpected dialog \"" << w.windowTitle().toStdString() << "\": "
                          << textOf(w).toStdString();
            return press(w, 2);
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        return step(w);
    });
}

ModalScript::~ModalScript() {
    // A script inside another hands the dialogs back to the outer one.
    Modal::setHook(previous_);
    EXPECT_TRUE(steps_.empty()) << steps_.size() << " scripted dialog(s) never appeared";
}

ModalScript& ModalScript::answer(const QString& caption, const QString& text, int id) {
    return then([caption, text, id](QWidget& w) {
        EXPECT_EQ(w.windowTitle().toStdString(), caption.toStdString());
        EXPECT_TRUE(textOf(w).contains(text))
            << "text \"" << textOf(w).toStdString() << "\" lacks \"" << text.toStdString() << "\"";
        return press(w, id);
    });
}

ModalScript& ModalScript::type(const QString& caption, const QString& typed, int id) {
    return then([caption, typed, id](QWidget& w) {
        EXPECT_EQ(w.windowTitle().toStdString(), caption.toStdString());
        auto* edit = w.findChild<QLineEdit*>();
        EXPECT_NE(edit, nullptr);
        if (edit)
            edit->setText(typed);
        return press(w, id);
    });
}

ModalScript& ModalScript::then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
}

QString ModalScript::textOf(QWidget& w) {
    if (auto* box = qobject_cast<QMessageBox*>(&w))
        return box->text();
    if (auto* yes = qobject_cast<YesDialog*>(&w))
        return yes->editText();
    if (auto* announcement = qobject_cast<MyDialog*>(&w))
        return announcement->text();
    if (auto* ync = qobject_cast<YNC*>(&w))
        return ync->text();
    return {};
}

int ModalScript::press(QWidget& w, int id) {
    if (auto* box = qobject_cast<QMessageBox*>(&w)) {
        const auto which = id == 1 ? QMessageBox::Ok
                           : id == 6 ? QMessageBox::Yes
                           : id == 7 ? QMessageBox::No : QMessageBox::Cancel;
        QAbstractButton* button = box->button(which);
        EXPECT_NE(button, nullptr) << "message box has no button for id " << id;
        if (button)
            button->click();
        return box->result();
    }
    if (auto* ync = qobject_cast<YNC*>(&w)) {
        ync->commands.dispatch(id);
        return ync->modalResult();
    }
    if (auto* dialog = qobject_cast<TemplateDialog*>(&w)) {
        if (id == 2 && !dialog->commands.has(2))
            dialog->reject(); // Escape or the close box
        else
            EXPECT_TRUE(dialog->sendCommand(id)) << "no command " << id;
        return dialog->result();
    }
    if (auto* dialog = qobject_cast<QDialog*>(&w)) {
        id == 1 ? dialog->accept() : dialog->reject();
        return dialog->result();
    }
    return 0;
}

void closeAllTopLevels() {
    // Deleting one window deletes the windows it owns, so hold guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->parentWidget() == nullptr && w->objectName() != QLatin1String("keep"))
            windows.append(w);
    for (const QPointer<QWidget>& w : windows)
        delete w.data();
    QApplication::processEvents();
}
