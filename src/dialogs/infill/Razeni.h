#pragma once
// Order of the names in the sorted lists of the dialogs (the infill list of the infill
// selection): the order of a Polish user's sorted list box. Letters compare without
// regard to case; the Polish letters with a diacritic (ą ć ę ł ń ó ś ź ż) follow their
// base letter as letters of their own; other accented Latin letters (á, č, ö, ...) sort
// with their base letter and only break ties. Then lower case comes before upper case.
// Digits and punctuation come before letters. Text is UTF-8.
#include <cstddef>
#include <string>
#include <vector>

namespace qmr {

// Negative when a sorts before b, 0 when they are the same text, positive after.
int PorovnejNazvy(const std::string &a, const std::string &b);

// The indices of nazvy in sorted order; equal names keep their order.
std::vector<std::size_t> SeradNazvy(const std::vector<std::string> &nazvy);

} // namespace qmr
