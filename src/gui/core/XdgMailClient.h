#pragma once
// The mail hand-over of the desktop: xdg-email opens the user's mail client with a
// compose window (recipient, subject, body, attachment). Started with an argument list,
// never through a shell.
#include "core/MailClient.h"

#include <QString>
#include <QStringList>

namespace qmr {

class XdgMailClient : public MailClient {
public:
    // Program: the hand-over tool (tests put a script in its place); Cekani: how long
    // its answer is awaited. A mail client that keeps xdg-email running longer has
    // taken the message; the process is left to end on its own.
    explicit XdgMailClient(QString Program = QStringLiteral("xdg-email"), int CekaniMs = 20000);

    // False when the tool cannot be started or ends with an error (exit 3: no mail
    // client configured). An attachment that does not exist (its case ignored) is left out.
    bool Posli(const ZpravaMailu &Zprava) override;

    // The arguments for a message whose attachment has been found (Priloha empty: none).
    static QStringList Argumenty(const ZpravaMailu &Zprava, const QString &Priloha);

private:
    QString program_;
    int cekani_;
};

} // namespace qmr
