// ScriptedMessageBoxes: message boxes recorded and answered from a script, for tests.
#include "ScriptedMessageBoxes.h"

namespace tolva::test {

long ScriptedMessageBoxes::Show(const QString& sText, long lStil, const QString& sTitel) {
    shown_.push_back({sText, lStil, sTitel});
    if (onShow) onShow(shown_.back());
    if (answers_.empty()) return DefaultAnswer(lStil);
    long answer = answers_.front();
    answers_.pop_front();
    return answer;
}

ScopedMessageBoxes::ScopedMessageBoxes() : boxes_(std::make_shared<ScriptedMessageBoxes>()) {
    InstallMessageBoxPresenter(boxes_);
}

ScopedMessageBoxes::~ScopedMessageBoxes() {
    InstallMessageBoxPresenter(nullptr);
}

}  // namespace tolva::test
