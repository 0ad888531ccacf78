// Tone (day number) descriptions, one paragraph each, in tone order 1..13.
#pragma once
#include <QtGlobal>

#include <array>
#include <string_view>
namespace tzk {
using std::string_view_literals::operator""sv; // u""sv: the length is known, nothing is counted
inline constexpr std::array<std::u16string_view, 13> kToneDescriptions{{
    // 1 Magnetic
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Power and great force are the keywords of the first day number, the "
        "Magnetic tone. One is the number of beginnings: it draws scattered "
        "energy together and points it at a single purpose, as a magnet gathers "
        "iron filings to itself. People born under this tone tend to start "
        "things with conviction and to pull others along with them. Their task "
        "is to listen as well as lead, and to finish what they so boldly begin."),
    // 2 Lunar
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Balance is the keyword describing the second day number, the Lunar "
        "tone.  Two is the number of polarity: light and dark, giving and "
        "receiving, self and others. Like the moon that waxes and wanes, those "
        "born under this tone feel the pull of opposites keenly and learn by "
        "weighing one side against the other. They make thoughtful partners and "
        "fair judges, though indecision can sometimes hold them back when they "
        "choose to wait too long for perfect certainty."),
    // 3 Electric
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Versatile and communicative are the words that best describe the third "
        "day number, the Electric tone. Three wakes and connects: it is the "
        "spark that carries an idea from one mind to another and sets it in "
        "motion. People born under this tone are quick, curious and sociable, "
        "able to serve as a bridge between different groups and points of view. "
        "Their energy is easily scattered, so they do best when they choose a "
        "few worthy causes and put their talents to use."),
    // 4 Self-Existing
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Again balance is the keyword of the fourth day number, the "
        "Self-Existing tone, but here it is the firm balance of form and "
        "structure. Four is the number of the square, the four directions and "
        "the four corners of the earth. Those born under this tone are "
        "practical, dependable and methodical, and they like to define the shape "
        "of a task before starting it. They should take care not to become rigid "
        "or too fond of habit."),
    // 5 Overtone
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Five is the 'elevation of power', and the Overtone is the tone of "
        "radiance and command. It stands at the centre of the four directions, "
        "gathering their strength and giving it a purpose. Those born under this "
        "tone have natural authority; they empower others, organise resources "
        "and shine in positions of responsibility. The same force can turn to "
        "pride or a wish to dominate, so they grow when they use their gifts to "
        "lift up the people around them."),
    // 6 Rhythmic
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Imbalance is the keyword describing the sixth day number, the Rhythmic "
        "tone, yet this is the very thing which keeps life moving. Six is the "
        "number of flow and rhythm, the restless swing that follows stillness. "
        "People born under this tone adapt quickly, enjoy variety and find their "
        "own pace in every new situation. They must watch for restlessness and "
        "learn when steadiness serves better than change."),
    // 7 Resonant
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "'Energy to catalyze' is what the seventh day number, the Resonant tone, "
        "brings to those born under it. Seven stands at the middle of the "
        "thirteen tones, the mirror point from which the entire cycle can be "
        "seen. People of this tone are attuned to others and to the world, often "
        "intuitive and spiritually inclined, and they act as channels through "
        "which changes arrive. Their main task is to stay grounded and to trust "
        "their inner voice."),
    // 8 Galactic
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Male authority is the keyword of the eighth day number, the Galactic "
        "tone. Eight is the number of integrity and harmony, where belief and "
        "action are made to agree. Those born under this tone hold firm "
        "principles and expect others to keep them too; they are organised, "
        "responsible and found in roles that call for leadership or judgement. "
        "Their strength is a clear sense of right and wrong, and their weakness "
        "is stubbornness. They flourish when they temper firmness with patience "
        "and apply the same high standards to themselves."),
    // 9 Solar
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Female authority is the keyword of the ninth day number, the Solar "
        "tone. Nine is the number of intention and patience, the quiet power "
        "that nurtures a plan until it is ripe. People born under this tone lead "
        "through care rather than command, and they see the whole picture others "
        "miss. They can be persistent to the point of exhaustion and should "
        "remember to rest and receive as well as give."),
    // 10 Planetary
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "The keyword describing this particular day number is manifestation. "
        "Ten, the Planetary tone, is where dreams and plans take form and become "
        "real. Those born under it are productive, practical and proud of what "
        "they build. They often measure themselves by results, so they gain from "
        "remembering that the process has value too, and that rest is part of "
        "the work."),
    // 11 Spectral
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Resolution is the keyword that sums up the eleventh day number, the "
        "Spectral tone. Eleven gently dissolves old forms so that new ones may "
        "arise. Those born under it are freedom-loving, honest and good at "
        "letting go."),
    // 12 Crystal
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Strong and abundant energy is the gift of the twelfth day number, the "
        "Crystal tone. Twelve is the number of co-operation and shared "
        "understanding. People born under it are warm, generous and sociable, "
        "skilled at bringing people together, though they may take on too much."),
    // 13 Cosmic
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Realization is the keyword that closes the cycle with the thirteenth "
        "day number, the Cosmic tone. Thirteen is the number of completion and "
        "transcendence, where all that was learned in earlier tones comes "
        "together. People born under this tone are wise beyond their years, "
        "often drawn to spiritual questions, and able to see endings as "
        "beginnings. They should take care not to withdraw from everyday life or "
        "lose touch with others."),
}};
} // namespace tzk
