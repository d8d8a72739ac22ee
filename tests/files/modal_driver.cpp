#include "modal_driver.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {
constexpr int kPollMs = 20;
constexpr int kGiveUpMs = 15000;
}  // namespace

ModalDriver::ModalDriver(std::vector<Step> steps)
    : m_steps(std::move(steps)), m_token(std::make_shared<bool>(true)) {
    if (!m_steps.empty()) {
        std::weak_ptr<bool> alive = m_token;
        QTimer::singleShot(kPollMs, [this, alive] {
            if (!alive.expired()) {
                Poll();
            }
        });
    }
}

ModalDriver::~ModalDriver() {
    m_token.reset();
}

void ModalDriver::Poll() {
    // The next look is booked first: a step may itself bring up the next modal window
    // and wait in it.
    std::weak_ptr<bool> alive = m_token;
    QTimer::singleShot(kPollMs, [this, alive] {
        if (!alive.expired()) {
            Poll();
        }
    });
    QWidget* modal = QApplication::activeModalWidget();
    if (m_next < m_steps.size() && modal != nullptr && modal != m_lastModal && modal->isVisible()) {
        m_lastModal = modal;
        m_waited = 0;
        m_titles.push_back(modal->windowTitle().toStdString());
        m_steps[m_next++](modal);
    } else if (modal == nullptr) {
        m_waited = 0;
    } else if ((m_waited += kPollMs) > kGiveUpMs) {
        // A window nobody answers: close it, so that nothing hangs, and fail.
        m_timedOut = true;
        m_waited = 0;
        modal->close();
    }
}

std::string MessageText(QWidget* box) {
    auto* messageBox = qobject_cast<QMessageBox*>(box);
    return messageBox != nullptr ? messageBox->text().toStdString() : std::string();
}

void PressButton(QWidget* dialog, const QString& text) {
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        QString plain = button->text();
        plain.remove(QLatin1Char('&'));
        QString wanted = text;
        wanted.remove(QLatin1Char('&'));
        if (button->isVisible() && plain == wanted) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE_AT(__FILE__, __LINE__);
    dialog->close();
}

namespace {

// The file dialog lists its folder in the background and then sets its name field
// again; steps act once that has happened.
void LetFileDialogSettle(QWidget* fileDialog) {
    auto* model = fileDialog->findChild<QFileSystemModel*>();
    auto* dialog = qobject_cast<QFileDialog*>(fileDialog);
    if (model == nullptr || dialog == nullptr) {
        return;
    }
    const QString folder = dialog->directory().absolutePath();
    for (int tries = 0; tries < 100; ++tries) {
        const QModelIndex root = model->index(folder);
        if (root.isValid() && !model->canFetchMore(root)) {
            break;
        }
        QTest::qWait(20);
    }
    QTest::qWait(100);
}

}  // namespace

void EnterFileName(QWidget* fileDialog, const QString& name) {
    LetFileDialogSettle(fileDialog);
    auto* edit = fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (edit == nullptr) {
        fileDialog->close();
        return;
    }
    // The name field's completer opens its list whenever the folder's listing comes
    // in, and an open list would swallow the click on the button; typing goes
    // without it.
    edit->setCompleter(nullptr);
    // The dialog sets its name field itself once the folder's listing has come in;
    // type again until the name stays.
    for (int tries = 0; tries < 20; ++tries) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, name);
        QTest::qWait(50);
        if (edit->text() == name) {
            break;
        }
    }
    auto* buttons = fileDialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    for (QAbstractButton* button :
         buttons != nullptr ? buttons->buttons() : QList<QAbstractButton*>{}) {
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    QTest::keyClick(edit, Qt::Key_Return);
}

QString ProposedFileName(QWidget* fileDialog) {
    LetFileDialogSettle(fileDialog);
    auto* dialog = qobject_cast<QFileDialog*>(fileDialog);
    auto* edit = fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (dialog == nullptr || edit == nullptr) {
        return {};
    }
    return dialog->directory().absolutePath() + QLatin1Char('/') + edit->text();
}
