#pragma once
// Hand-over of a message to the desktop's mail client: a compose window opens with the
// recipient, subject, body and at most one attachment, and the user edits and sends it
// there. The GUI implementation runs xdg-email (gui/core/XdgMailClient.h); tests record.
#include <string>

namespace qmr {

struct ZpravaMailu {
    std::string Adresat; // recipient address (or a placeholder the user replaces)
    std::string Predmet; // subject
    std::string Obsah;   // body, UTF-8, CRLF line ends
    std::string Priloha; // path of the file to attach; empty for none
};

class MailClient {
public:
    virtual ~MailClient() = default;
    // True when the mail client took the message over (its compose window opened).
    virtual bool Posli(const ZpravaMailu &Zprava) = 0;
};

// Shown when no mail client took the message over.
inline constexpr const char *kMailNepredan =
    "Nie udało się przekazać wiadomości do programu pocztowego!";

} // namespace qmr
