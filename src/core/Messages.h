#pragma once
// Every message of the program goes through Messages. The GUI shows a modal,
// top-most message box; tests use a fake that records the calls and answers as
// scripted. The flag and result values are those of the platform's message box.
#include <string>
#include <utility>
#include <exception>

namespace qmr {

// Buttons.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_TYPEMASK = 0xF;
// Icons.
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONERROR = MB_ICONHAND;
constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr unsigned MB_ICONASTERISK = 0x40;
constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr unsigned MB_ICONMASK = 0xF0;
// Default button.
constexpr unsigned MB_DEFBUTTON1 = 0x0;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_DEFMASK = 0xF00;
// Modality and placement.
constexpr unsigned MB_APPLMODAL = 0x0;
constexpr unsigned MB_SYSTEMMODAL = 0x1000;
constexpr unsigned MB_TASKMODAL = 0x2000;
constexpr unsigned MB_TOPMOST = 0x40000;

// The button pressed.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The caption of the message that reports a failed command.
inline constexpr const char *kCommandErrorCaption = "Quilmar";

class Messages {
public:
    virtual ~Messages() = default;

    // A modal box with the caption Nadpis, the text Text and the buttons, icon and
    // default button of Flags; always shown top-most. Returns the ID of the button pressed.
    virtual int Hlaska(const std::string &Nadpis, const std::string &Text, unsigned Flags) = 0;

    // Error icon and an OK button.
    int Chyba(const std::string &Nadpis, const std::string &Text)
    {
        return Hlaska(Nadpis, Text, MB_ICONERROR | MB_OK);
    }
    // Yes/No question, Yes is the default; true when Yes was pressed.
    bool AnoNe(const std::string &Nadpis, const std::string &Text)
    {
        return Hlaska(Nadpis, Text, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1) == IDYES;
    }
    // Yes/No question, No is the default; true when Yes was pressed.
    bool NeAno(const std::string &Nadpis, const std::string &Text)
    {
        return Hlaska(Nadpis, Text, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
    }
};

// Reports a failed command: its error text in an error box captioned "Quilmar".
inline void ShowCommandError(Messages &M, const std::string &Text)
{
    M.Chyba(kCommandErrorCaption, Text);
}

// Runs one user command. A platform failure inside it (a file that cannot be read or
// written, a text that is no number or date) ends the command; its text is shown and
// the program goes on. Returns false when the command ended that way.
template <class F>
bool RunCommand(Messages &M, F &&Command)
{
    try {
        std::forward<F>(Command)();
        return true;
    } catch (const std::exception &e) {
        ShowCommandError(M, e.what());
        return false;
    }
}

} // namespace qmr
