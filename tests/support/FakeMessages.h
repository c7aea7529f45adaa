#pragma once
// Records every message box and answers from a scripted queue. When the queue is
// empty the answer is the box's default button (Yes for AnoNe, No for NeAno, OK for
// Chyba), unless a fixed default answer was set.
#include "core/Messages.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qmrtest {

class FakeMessages : public qmr::Messages {
public:
    enum class Kind { Hlaska, Chyba, AnoNe, NeAno };

    struct Call {
        Kind kind;
        unsigned flags;
        std::string caption;
        std::string text;
        int answer;
    };

    int Hlaska(const std::string &Nadpis, const std::string &Text, unsigned Flags) override;

    // The next answers, in order (qmr::IDYES, qmr::IDNO, qmr::IDOK, qmr::IDCANCEL...).
    FakeMessages &Answer(int Id);
    FakeMessages &AnswerYes() { return Answer(qmr::IDYES); }
    FakeMessages &AnswerNo() { return Answer(qmr::IDNO); }
    // The answer once the queue is empty; std::nullopt restores "the default button".
    void SetDefaultAnswer(std::optional<int> Id) { defaultAnswer_ = Id; }
    std::size_t pendingAnswers() const { return answers_.size(); }

    const std::vector<Call> &calls() const { return calls_; }
    std::size_t count() const { return calls_.size(); }
    std::size_t count(Kind k) const;
    bool empty() const { return calls_.empty(); }
    // The last call; fails the current test when there was none.
    const Call &last() const;
    std::vector<std::string> texts() const;
    void clear() { calls_.clear(); }

    // The button the box would answer on Enter.
    static int DefaultButton(unsigned Flags);
    static Kind KindOf(unsigned Flags);

private:
    std::vector<Call> calls_;
    std::deque<int> answers_;
    std::optional<int> defaultAnswer_;
};

} // namespace qmrtest
