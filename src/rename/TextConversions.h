#pragma once

#include <QString>
#include <QStringView>

namespace miravel {

// The conversion panel's choices; the values are the option buttons' indexes.
enum class Conversion {
    Lower = 0,
    Upper = 1,
    WordHeads = 2,        // the first letter of each word upper case, the rest as it is
    FullWidthToHalf = 3,  // full-width ASCII forms and the ideographic space
    HalfKanaToFull = 4,   // half-width katakana and their punctuation
};

// The text converted; every character the conversion does not name stays as it is, and lone
// surrogates (undecodable bytes of a name) are never touched.
//
// Letter case maps one code point to one (Unicode's simple mapping, the same in every
// locale), so a name never changes length: full-width Ａ, Greek and Cyrillic letters change
// case like ASCII ones, ß and ligatures stay as they are.
//
// A word, for WordHeads, is a run of letters that have case, with digits, combining marks and
// apostrophes (and undecodable bytes) inside it: file names separate words by spaces, "_", "-", "."
// and brackets, and kana and kanji have no case, so they separate words too (資料abc -> 資料Abc). A
// letter after a digit is inside a word (2nd stays 2nd), and so is one after an apostrophe (don't).
//
// FullWidthToHalf turns U+FF01 to U+FF5E into ASCII and U+3000 into a space, except the forms
// of the characters refused in names (＼／，；：＊？＂＜＞｜): those stay full-width, so that a
// conversion never makes a name the program would refuse to give.
//
// HalfKanaToFull turns U+FF61 to U+FF9F into their full-width forms and combines a voiced or
// semi-voiced mark with the half-width kana before it where a combined form exists (ｶﾞ -> ガ,
// ﾊﾟ -> パ, ｳﾞ -> ヴ, ﾜﾞ -> ヷ); any other mark becomes the full-width spacing mark (゛ ゜).
QString ConvertText(QStringView text, Conversion conversion);

}  // namespace miravel
