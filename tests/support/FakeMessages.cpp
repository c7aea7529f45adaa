#include "support/FakeMessages.h"

#include <gtest/gtest.h>

namespace qmrtest {

int FakeMessages::DefaultButton(unsigned Flags)
{
    const unsigned buttons = Flags & qmr::MB_TYPEMASK;
    const unsigned def = (Flags & qmr::MB_DEFMASK) >> 8; // 0, 1 or 2
    auto pick = [def](std::initializer_list<int> ids) {
        const auto *p = ids.begin();
        return def < ids.size() ? p[def] : p[0];
    };
    switch (buttons) {
    case qmr::MB_OKCANCEL:
        return pick({qmr::IDOK, qmr::IDCANCEL});
    case qmr::MB_ABORTRETRYIGNORE:
        return pick({qmr::IDABORT, qmr::IDRETRY, qmr::IDIGNORE});
    case qmr::MB_YESNOCANCEL:
        return pick({qmr::IDYES, qmr::IDNO, qmr::IDCANCEL});
    case qmr::MB_YESNO:
        return pick({qmr::IDYES, qmr::IDNO});
    case qmr::MB_RETRYCANCEL:
        return pick({qmr::IDRETRY, qmr::IDCANCEL});
    default:
        return qmr::IDOK;
    }
}

FakeMessages::Kind FakeMessages::KindOf(unsigned Flags)
{
    const unsigned f = Flags & ~qmr::MB_TOPMOST;
    if (f == (qmr::MB_ICONERROR | qmr::MB_OK))
        return Kind::Chyba;
    if (f == (qmr::MB_YESNO | qmr::MB_ICONQUESTION))
        return Kind::AnoNe;
    if (f == (qmr::MB_YESNO | qmr::MB_ICONQUESTION | qmr::MB_DEFBUTTON2))
        return Kind::NeAno;
    return Kind::Hlaska;
}

int FakeMessages::Hlaska(const std::string &Nadpis, const std::string &Text, unsigned Flags)
{
    int answer = 0;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    } else {
        answer = defaultAnswer_ ? *defaultAnswer_ : DefaultButton(Flags);
    }
    calls_.push_back({KindOf(Flags), Flags, Nadpis, Text, answer});
    return answer;
}

FakeMessages &FakeMessages::Answer(int Id)
{
    answers_.push_back(Id);
    return *this;
}

std::size_t FakeMessages::count(Kind k) const
{
    std::size_t n = 0;
    for (const Call &c : calls_)
        if (c.kind == k)
            ++n;
    return n;
}

const FakeMessages::Call &FakeMessages::last() const
{
    static const Call none{Kind::Hlaska, 0, "", "", 0};
    if (calls_.empty()) {
        ADD_FAILURE() << "FakeMessages::last(): no message was shown";
        return none;
    }
    return calls_.back();
}

std::vector<std::string> FakeMessages::texts() const
{
    std::vector<std::string> t;
    t.reserve(calls_.size());
    for (const Call &c : calls_)
        t.push_back(c.text);
    return t;
}

} // namespace qmrtest
