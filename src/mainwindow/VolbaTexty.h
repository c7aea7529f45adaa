#pragma once
// Fixed texts of the main window: captions of the window, buttons, menu items and
// static labels, and the pieces the summary and price lines are composed of. The view
// sets the captions from here; the model composes the variable texts from here.
#include <string_view>

namespace qmr {

// Build language of this program ("CZ" would be the other build).
inline constexpr std::string_view kBuildJazyk = "PL";

// ---- Window --------------------------------------------------------------------------
inline constexpr std::string_view kTitulAplikace = "Quilmar - wypełnie drzwiowe";
// Window caption: this prefix + apSoubor (+ " (" + apFirma + ")" when apVyberOdb).
inline constexpr std::string_view kTitulOkna = "Quilmar - wypełnienia drzwiowe : ";
inline constexpr std::string_view kTitulQuilmar = "Quilmar";   // caption of the messages
inline constexpr std::string_view kSouborNenalezen = "File not found:"; // + full path
inline constexpr std::string_view kIkonaOkna = "quilmar.ico";  // in apCesta

// ---- Buttons of Panel1 and the order / quote buttons ----------------------------------
inline constexpr std::string_view kStartButton = "&Start";
inline constexpr std::string_view kBarvyButton = "&Kolory";
inline constexpr std::string_view kRozmerButton = "Wy&miary";
inline constexpr std::string_view kVyztuzButton = "Wzmo&cnienie";
inline constexpr std::string_view kVitrazButton = "W&itraż, piasek ...";
inline constexpr std::string_view kDekoryButton = "&Szkła";
inline constexpr std::string_view kMrizkyButton = "Kra&tka";
inline constexpr std::string_view kDoplnkyButton = "&Akcesoria";
inline constexpr std::string_view kCommentButton = "&Uwagi";
inline constexpr std::string_view kObjButton = "Zamówienie";
inline constexpr std::string_view kNabButton = "Oferta";

// ---- Menu (shortcuts in the platform's "Ctrl+X" notation) -------------------------------
inline constexpr std::string_view kMenuSoubor = "&Plik";
inline constexpr std::string_view kMenuNovy = "Nowy...";
inline constexpr std::string_view kMenuNovyZkratka = "Ctrl+N";
inline constexpr std::string_view kMenuOtevrit = "Otworzyć...";
inline constexpr std::string_view kMenuOtevritZkratka = "Ctrl+O";
inline constexpr std::string_view kMenuUlozit = "Ułożyć";
inline constexpr std::string_view kMenuUlozitZkratka = "Ctrl+S";
inline constexpr std::string_view kMenuJako = "Ułożyć jako...";
inline constexpr std::string_view kMenuKonec = "Koniec";
inline constexpr std::string_view kMenuNastaveni = "&Nastawienie";
inline constexpr std::string_view kMenuDefinicecen = "Określenie cen";
inline constexpr std::string_view kMenuPredvolby = "Wybór przedwstępny"; // always disabled
inline constexpr std::string_view kMenuDefiniceOdbVyber = "Wybór odbiorcy"; // with apVyberOdb
inline constexpr std::string_view kMenuDefiniceOdb = "Opis odbiorcy";       // without it
inline constexpr std::string_view kMenuDefiniceDod = "Opis dostawcy";
inline constexpr std::string_view kMenuPrepocet = "Przeliczenie ceny";
inline constexpr std::string_view kMenuNastavTisk = "Nastawienie drukarki";
inline constexpr std::string_view kMenuNapoveda = "Pomoc";
inline constexpr std::string_view kMenuOprogramu = "O programie";
inline constexpr std::string_view kMenuTest = "Test on/off"; // check item

// ---- Static labels ----------------------------------------------------------------------
inline constexpr std::string_view kZevnitr = "Zewnętrz:";  // Label1, Label3 (outer side)
inline constexpr std::string_view kZevnitrPozice1 = "Zewnętrz – pozycja 1:"; // Label1, two colours
inline constexpr std::string_view kZevnitrPozice2 = "Zewnętrz – pozycja 2:"; // Label5
inline constexpr std::string_view kUvnitr = "Wewnętrz:";   // Label2, Label4 (inner side)
inline constexpr std::string_view kCelkem = "Ogółem:";      // Celkem at creation
inline constexpr std::string_view kRabat = "Rabat:";        // ProcentoSlevy
inline constexpr std::string_view kNetto = "Netto (+):";    // Label6
inline constexpr std::string_view kBezDopravy = "Cena ostateczna (bez transportu):"; // Nakonec
// Surcharge lines of the totals panel (shown only for configuration versions up to 5).
inline constexpr std::string_view kLabTz1 = "Inflation Surcharge I. (4,2%):";
inline constexpr std::string_view kLabTZ2 = "Inflation Surcharge II:";
inline constexpr std::string_view kLabMezisouc = "Subtotal:";

// ---- Summary lines ----------------------------------------------------------------------
inline constexpr std::string_view kSirka = "szerokość";
inline constexpr std::string_view kVyska = "wysokość";
inline constexpr std::string_view kTloustka = "grubość";
inline constexpr std::string_view kMm = " mm";
inline constexpr std::string_view kZmensenyVyrez = "(wycięcie umniejszone)";
inline constexpr std::string_view kPrekryvy = "Przekrywy: na lewo ";
inline constexpr std::string_view kPrekryvy2 = "strona wewnętrzna: na lewo ";
inline constexpr std::string_view kNaPravo = "na prawo";
inline constexpr std::string_view kNaHore = "na gorze";
inline constexpr std::string_view kNaDole = "na dołe";
inline constexpr std::string_view kPrekryvyOtaznik = "Przekrywy?";
inline constexpr std::string_view kPrekryvy2Otaznik = "strona wewnętrzna?";
inline constexpr std::string_view kSklenenaDeska = "Szklana płyta";
inline constexpr std::string_view kPredponaHPL = "HPL ";
inline constexpr std::string_view kPredponaABS = "ABS ";
inline constexpr std::string_view kDruhaTabule = "2. szyba: ";
inline constexpr std::string_view kTretiTabule = "3. szyba: ";
inline constexpr std::string_view kFloat = "float + ";
inline constexpr std::string_view kVcetneMontaze = "włącznie montażu";
inline constexpr std::string_view kBezMontaze = "wyłącznie montażu";
inline constexpr std::string_view kRysunekWymagany = "- rysunek wymagany!";
inline constexpr std::string_view kNettoDoplnek = "(netto)";
inline constexpr std::string_view kVyztuzOtaznik = "Wzmocnienie ?";
inline constexpr std::string_view kMadloNaVykres = "prmdl"; // accessory code: handle by drawing

// ---- Price panel ----------------------------------------------------------------------
inline constexpr std::string_view kKupnoOgolem = "Kupno ogółem";
inline constexpr std::string_view kProdejOgolem = "Sprzedaż ogółem";
inline constexpr std::string_view kSDani = " z podatkiem ";
inline constexpr std::string_view kBezDane = " bez podatku:";
inline constexpr std::string_view kRabatDodavatele = "Rabat dostawcy (";
inline constexpr std::string_view kRabatKlienta = "Rabat dla klienta (";
inline constexpr std::string_view kProcentKonec = "%):";
inline constexpr std::string_view kSDopravou = "Cena ostateczna (transport ";
inline constexpr std::string_view kDoplatekHPL = "Dopłata za HPL większy niż 900 x 2100 mm";

} // namespace qmr
