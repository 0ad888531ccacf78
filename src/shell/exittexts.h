// Texts of the exit screen.
#pragma once
#include <QtGlobal>

#include <array>
namespace tzk {
inline constexpr std::array<const char *, 4> kExitPromoTexts{{
    // 0
    QT_TRANSLATE_NOOP("tzk::FrmExitScreen",
        "Tessaly Softwares, such as this can be created and maintained only with "
        "your support. Please show your support by visiting our free online "
        "discussion forum site www.tessalyforum.com regularly and taking part in "
        "its discussions."),
    // 1
    QT_TRANSLATE_NOOP("tzk::FrmExitScreen",
        "Please visit our forum site www.tessalyforum.com regularly and take "
        "part in its discussions. Our free programs cannot be maintained without "
        "your help, so every single visit you make is a great help to all of us."),
    // 2
    QT_TRANSLATE_NOOP("tzk::FrmExitScreen",
        "Our forum site www.tessalyforum.com is a free online discussion forum "
        "where you can ask questions, share ideas and meet other users. Do come "
        "and visit it today."),
    // 3
    QT_TRANSLATE_NOOP("tzk::FrmExitScreen",
        "Please help us by visiting our forum site www.tessalyforum.com "
        "regularly and taking part in its discussions. Every visit and every "
        "post keeps the forum alive and helps us keep making new programs."),
}};
inline constexpr char kExitCatalogueParagraph[] = QT_TRANSLATE_NOOP("tzk::FrmExitScreen",
    "If you have enjoyed this software, you may like to try the other "
    "programs made by Tessaly Softwares. We publish a set of free desktop "
    "tools for everyday use: a biorhythm chart maker, a numerology "
    "calculator, a Chinese zodiac guide, a moon phase calendar, a simple "
    "recipe organiser, a password-protected diary, a unit converter, a photo "
    "slideshow creator and several small puzzle games for the whole family. "
    "Each of them is light, easy to use and free of charge. You can browse "
    "the full list, read a short description of each program and download "
    "the ones you like from our program catalogue at www.tessalyforum.com.");
} // namespace tzk
