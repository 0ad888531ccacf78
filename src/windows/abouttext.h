// The About window's paragraph.
#pragma once
#include <QtGlobal>
namespace tzk {
inline constexpr char kAboutParagraph[] = QT_TRANSLATE_NOOP("tzk::FrmAbout",
    "Tzolkara is a Mayan astrology program that tells you your Mayan day "
    "sign and galactic tone number from your date of birth using the ancient "
    "calendar. It then gives a detailed interpretation of your sign, helping "
    "you understand your positive and negative traits so that you can build "
    "on your strengths, work on your weaknesses and improve yourself. All "
    "rights to this software are held by Tessaly Softwares.");
} // namespace tzk
