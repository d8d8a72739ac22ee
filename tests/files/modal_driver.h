// Drives the modal dialogs that a command brings up: each step waits for the next
// modal window, acts on it and, as the step's last act, closes it. A step that finds
// no modal window in time fails the test instead of hanging it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class ModalDriver {
public:
    using Step = std::function<void(QWidget* modal)>;

    // Steps run in order, one per modal window that appears.
    explicit ModalDriver(std::vector<Step> steps);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // TRUE when every step found its window.
    bool AllDone() const { return m_next == m_steps.size() && !m_timedOut; }
    // The window title of each modal window met, in order.
    const std::vector<std::string>& Titles() const { return m_titles; }

private:
    void Poll();

    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    QPointer<QWidget> m_lastModal;
    int m_waited = 0;
    bool m_timedOut = false;
    std::vector<std::string> m_titles;
    std::shared_ptr<bool> m_token;
};

// The text of a message box.
std::string MessageText(QWidget* box);
// Presses a message box's button with this text ("&Yes", "OK", ...).
void PressButton(QWidget* dialog, const QString& text);
// Types a name into a file dialog's name field and presses Enter.
void EnterFileName(QWidget* fileDialog, const QString& name);
// The name a file dialog proposes: its folder and its name field.
QString ProposedFileName(QWidget* fileDialog);
