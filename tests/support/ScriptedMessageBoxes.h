// Records every message box and answers it from a script, for tests.
#pragma once

#include "hostlib/MessageBox.h"

#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace tolva::test {

struct ShownMessage {
    QString sText;
    long lStil = 0;
    QString sTitel;
};

// Answers boxes in the order queued; with the queue empty, a box gets DefaultAnswer(style).
class ScriptedMessageBoxes : public MessageBoxPresenter {
  public:
    long Show(const QString& sText, long lStil, const QString& sTitel) override;
    void QueueAnswer(long lAntwort) { answers_.push_back(lAntwort); }
    const std::vector<ShownMessage>& Shown() const { return shown_; }
    // Called with each box while it is shown, before it is answered: a test acts there as a
    // user or another program would while the box is up.
    std::function<void(const ShownMessage&)> onShow;
    void Clear() {
        shown_.clear();
        answers_.clear();
    }

  private:
    std::deque<long> answers_;
    std::vector<ShownMessage> shown_;
};

// Installs a fresh ScriptedMessageBoxes for the lifetime of the guard.
class ScopedMessageBoxes {
  public:
    ScopedMessageBoxes();
    ~ScopedMessageBoxes();
    ScriptedMessageBoxes& operator*() { return *boxes_; }
    ScriptedMessageBoxes* operator->() { return boxes_.get(); }

  private:
    std::shared_ptr<ScriptedMessageBoxes> boxes_;
};

}  // namespace tolva::test
