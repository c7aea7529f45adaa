#pragma once
// Fixed texts and values of the program: version, file and folder names, and the
// text tables used in descriptions and printouts.
#include <array>
#include <string>
#include <string_view>

namespace qmr {

// Version.
inline constexpr std::string_view kVerze = "5.2";      // apVerze
inline constexpr float kNVerze = 5.2f;                  // nVerze
inline constexpr std::string_view kDatum = "1.8.2023"; // apDatum, written into job files as Preklad

// Fixed format settings of the user interface and the files.
inline constexpr char kDateSeparator = '.';
inline constexpr char kDecimalSeparator = ',';
inline constexpr std::string_view kShortDateFormat = "dd.mm.yyyy";

// Files and folders beside the program.
inline constexpr std::string_view kDataFolder = "DATA";           // data folder below the program folder
inline constexpr std::string_view kConfFile = "Quilmar.cfg";      // apConf, in the data folder
inline constexpr std::string_view kPrilohaFile = "QMRobj.qmr";    // apPriloha, in the data folder
inline constexpr std::string_view kSplashPicture = "QMRlogo.jpg"; // in the program folder
inline constexpr std::string_view kIconFile = "quilmar.ico";      // in the program folder
inline constexpr std::string_view kNovyPlik = "Nowy plik.qms";    // default job-file name
inline constexpr std::string_view kJobExt = ".qms";               // job file
inline constexpr std::string_view kPrilohaExt = ".qmr";           // job file travelling as an order attachment

// Name under which the running instance's main window is found.
inline constexpr std::string_view kMainWindowClass = "TVolba";

// Executable names that change the start-up (compared case-sensitively, as written).
inline constexpr std::string_view kProgZavedLower = "zaved.exe"; // skips the path set-up
inline constexpr std::string_view kProgZaved = "Zaved.exe";      // skips the lists, shows kHlaskaCiziReci
inline constexpr std::string_view kProgQMR11 = "QMR11.exe";      // skips the path set-up and the lists
inline constexpr std::string_view kHlaskaCiziReci = "Program neumí cizí řeči!";

// Text tables. The arrays hold the entries from the table's first index on; the
// accessors take the table's own index and return an empty string outside its range.
inline constexpr std::array<std::string_view, 2> kFormatTexts{"1/1", "1/2"}; // indices 1..2
inline constexpr std::array<std::string_view, 7> kZaskleniTexts{"S0", "S1", "S2", "S3",
                                                                "S4", "S5", "S6"}; // 0..6
inline constexpr std::array<std::string_view, 8> kVyztuzTexts{
    "nie ma",
    "1 x Fe (stal)",
    "1 x Al (aluminium)",
    "klasa bezpieczeństwa RC3",
    "klasa bezpieczeństwa RC2",
    "tłumenie dżwięku 35 dB",
    "zahartowany rdzeń PUR (TPR) 20 mm",
    "zahartowane wzmocnienie PUR (TPR) 10 mm",
}; // 0..7
inline constexpr std::array<std::string_view, 5> kVitrPisTexts{
    "Witraż", "Szkło piaskowane", "Szkło piaskowane z dekorem", "Szkło topione", "Nanodruk",
}; // 0..4
inline constexpr std::array<std::string_view, 2> kBarvaDRTexts{"biała RD", "czarna RD"}; // 0..1

std::string cFormat(int i);   // format 1..2
std::string cZaskleni(int i); // glazing variant 0..6
std::string cVyztuz(int i);   // reinforcement variant 0..7
std::string cVitrPis(int i);  // stained-glass kind 0..4
std::string cBarvaDR(int i);  // spacer colour 0..1 (white, black)

} // namespace qmr
