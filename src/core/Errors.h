#pragma once
// Failures of platform operations inside a command. They end the command; the
// command boundary shows the text through Messages::Chyba and the program goes on.
#include <stdexcept>
#include <string>

namespace qmr {

// Base of every error the command boundary reports.
class QmrError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is no number or date.
class EConvertError : public QmrError {
public:
    using QmrError::QmrError;
};

// A file that cannot be opened, read or written.
class EFileError : public QmrError {
public:
    using QmrError::QmrError;
};

} // namespace qmr
