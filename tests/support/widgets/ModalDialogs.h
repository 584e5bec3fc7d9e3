#pragma once

#include <QWidget>
#include <functional>
#include <memory>

// Answers the next modal window the code under test opens. The watch looks at every turn of the event loop;
// once a window of the awaited class is the active modal one, the user's part runs on it, and a window it
// left open is then closed (a dialog rejected). When none has come up within MaxTurns turns, the test fails
// and every modal window that stands or comes up later is closed unanswered, so the suite goes on instead
// of waiting. The test also fails when the answer goes out of scope before the window came up.
class ModalAnswer {
public:
    using Match = std::function<bool(QWidget*)>;
    using User = std::function<void(QWidget*)>;

    static constexpr int MaxTurns = 200;

    ModalAnswer(const char* awaited, Match match, User user);
    ~ModalAnswer();
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool answered() const;

private:
    struct Watch;
    std::unique_ptr<Watch> m_watch;
};

template <class Window> [[nodiscard]] ModalAnswer answerNextModal(std::function<void(Window&)> user)
{
    return ModalAnswer(
        Window::staticMetaObject.className(), [](QWidget* modal) { return qobject_cast<Window*>(modal) != nullptr; },
        [user = std::move(user)](QWidget* modal) { user(*qobject_cast<Window*>(modal)); });
}
