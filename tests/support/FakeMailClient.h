#pragma once
// Records every message handed to the mail client and answers as set.
#include "core/MailClient.h"

#include <vector>

namespace qmrtest {

class FakeMailClient : public qmr::MailClient {
public:
    bool Posli(const qmr::ZpravaMailu &Zprava) override
    {
        zpravy.push_back(Zprava);
        return prevezme;
    }

    std::vector<qmr::ZpravaMailu> zpravy;
    bool prevezme = true; // whether the client takes the message over
};

} // namespace qmrtest
