#pragma once
// Steps to run one after the other from whatever message loop is running
// (a menu's, a modal form's), each as soon as its condition holds. Polled
// on a short timer; real input sent from a step reaches the loop that runs.

#include "tests/support/TestSupport.h"

#include <functional>
#include <vector>

namespace tandrel::test {

class TLoopScript {
public:
    // A step whose condition does not hold within about `patienceMs` stops
    // the script and ends any open menu.
    explicit TLoopScript(int patienceMs = 5000) : m_patience(patienceMs / 10) {}
    ~TLoopScript() { CancelSoon(); }

    void Then(std::function<bool()> ready, std::function<void()> action)
    {
        m_steps.push_back({std::move(ready), std::move(action)});
    }
    void Start() { RunSoon([this] { Poll(); }, 10); }
    bool Done() const { return m_next >= m_steps.size(); }
    bool GaveUp() const { return m_gaveUp; }
    size_t Next() const { return m_next; }

private:
    struct TStep {
        std::function<bool()> Ready;
        std::function<void()> Action;
    };
    void Poll()
    {
        if (Done() || m_gaveUp)
            return;
        if (m_steps[m_next].Ready()) {
            m_polls = 0;
            // Wine puts a window's surface on the screen when the thread waits.
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
            m_steps[m_next++].Action();
        } else if (++m_polls > m_patience) {
            m_gaveUp = true;
            EndMenu();
            return;
        }
        RunSoon([this] { Poll(); }, 10);
    }

    std::vector<TStep> m_steps;
    size_t m_next = 0;
    int m_polls = 0;
    int m_patience;
    bool m_gaveUp = false;
};

} // namespace tandrel::test
