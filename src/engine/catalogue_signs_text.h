// Day-sign descriptions, one paragraph each, in catalogue row order.
#pragma once
#include <QtGlobal>

#include <array>
#include <string_view>
namespace tzk {
using std::string_view_literals::operator""sv; // u""sv: the length is known, nothing is counted
inline constexpr std::array<std::u16string_view, 20> kSignDescriptions{{
    // 1 Monkey
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "The eleventh sign of Mayan astrology is the Monkey, called Batz in the highlands and "
        "Chuen in Yucatec, and it is the sign of the artist. In the Popol Vuh, the K'iche' book "
        "of creation, the Hero Twins' elder half-brothers, named after this day, were gifted "
        "flute players, singers, painters and carvers, until their envy of the Twins turned them "
        "into monkeys. Classic Maya vases show monkey scribes holding brushes, and in K'iche' the "
        "word batz also means thread, so the day belongs to weaving and the long thread of time. "
        "New highland daykeepers are still initiated on the day 8 Batz. You play with ideas the "
        "way a weaver plays with colour. At work you are quick, inventive and hard to bore; among "
        "friends you are the storyteller everyone waits for; in love you court with laughter. The "
        "same lightness can make you drop a task once it stops being fun, or hide a real worry "
        "behind a laugh. Finish what you weave: a cloth is only beautiful once it is whole."),
    // 2 Road
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Road also known as the Path, E in the K'iche' tradition and Eb in the Yucatec, is the "
        "twelfth sign of the Mayan calendar, and it speaks of the way you walk through life. In "
        "the Popol Vuh two brothers come to a crossing of four roads, red, black, white and "
        "yellow; the black road speaks to them and leads them to the underworld, so the choice "
        "of a path is never a small thing. Highland daykeepers count E among the four days that "
        "can carry a year, and they pray on it for a safe journey. If this is your sign, you are "
        "the traveller who packs the map and the spare water. Friends trust you with the "
        "arrangements, colleagues trust you with the deadline, and a partner learns that you "
        "show love by turning up every time. What wears you down is carrying everyone else's "
        "luggage. Look up from the next step now and then, and ask whether the road still leads "
        "where you want to go."),
    // 3 Reed
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Reed - the thirteenth sign of Mayan astrology, known as Aj in K'iche' and Ben in "
        "Yucatec - is the tall green cane that grows straight beside water. Maya families cut "
        "such canes for the walls of their houses and for arrows and staffs, so the sign stands "
        "for the home and for the upright stem that holds a household together. You carry a "
        "clear idea of how things ought to be, and you are ready to defend it for the people "
        "under your roof and for anyone treated unfairly. At work that makes you a natural "
        "teacher, advocate, healer or organiser, and in love it makes you a builder of homes "
        "rather than of castles in the air. The danger is the stiff cane that snaps in the "
        "storm: too many battles and too little give. A reed survives the wind by bending and "
        "rising again. Do the same, and people will follow your lead because they want to, not "
        "because they must."),
    // 4 Jaguar
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Jaguar is the fourteenth sign of the Mayan calendar, Ix, also spelled Ish, in both "
        "K'iche' and Yucatec, the great spotted cat that hunts by night. Maya kings sat on "
        "jaguar-skin cushions, and artists pictured the sun as a jaguar on its night journey "
        "under the earth. Highland daykeepers tie the day to the earth itself and to its sacred "
        "hills. You see in the dark: you notice what is left unsaid and study a problem well "
        "before you speak, and at work you are the scholar or healer who finds the hidden cause. "
        "In love you are slow to trust and fierce once you do. Let a few people into your "
        "territory; a lone jaguar is magnificent but lonely."),
    // 5 Eagle
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "As the name implies, the Eagle is the sign of the wide view from above. It is the "
        "fifteenth of the twenty day signs, Tzikin in K'iche' and Men in Yucatec. Tzikin simply "
        "means bird, and highland daykeepers treat the day as a messenger between sky and earth, "
        "a good day to ask for fortune and prosperity. You spot chances others miss, you aim "
        "high in your career, and you need room to fly. In love you want a partner who shares "
        "the horizon, not a cage. The risk is looking down on people from your height, or "
        "leaving just when staying matters. Climb as high as you please, but circle back for "
        "those who helped you rise."),
    // 6 Wisdom
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Wisdom is the sixteenth sign of Mayan astrology, Ajmak in K'iche' and Cib in Yucatec. "
        "In the highlands it is the day for asking pardon, from the ancestors and from each "
        "other, because wisdom begins with knowing your own faults. You learn from everything "
        "that happens to you, good or bad, and sooner or later others come to you for counsel. "
        "You are the keeper of family stories and of hard-won lessons. Be as gentle with your "
        "own mistakes as you are with theirs, and your advice will be heard."),
    // 7 Earth
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Earth or the earthquake is the seventeenth sign of Mayan astrology, Noj in K'iche' and "
        "Caban in Yucatec. The Yucatec name means earth, and in Maya writing the curl of its "
        "glyph marks the soil. The K'iche' name, however, means thought. The sign joins the two: "
        "ideas that move the ground. You are happiest when a plan leaves the page and changes "
        "something real, in a workshop, a garden or a company. Like the land before a quake, you "
        "can stay calm for a long time and then shake everyone around you when your patience "
        "runs out. Listen before you move, and let your force build rather than break."),
    // 8 Flint
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "The eighteenth sign of the Mayan calendar is Flint, Tijash in K'iche' and Etznab in "
        "Yucatec, the hard stone that the Maya chipped into knives and spearheads. Their master "
        "knappers also flaked flint into intricate ceremonial shapes, which were buried beneath "
        "temples as offerings. In the highlands daykeepers see Tijash as a healing blade, the "
        "one that cuts away illness and conflict. You speak plainly and decide fast, and you can "
        "slice through a muddle that has kept others stuck for weeks. In love you give your "
        "whole heart, yet you guard a space of your own and rarely ask for help. Remember that "
        "an edge can heal or wound: choose your words as carefully as a surgeon chooses where to "
        "cut."),
    // 9 Storm
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "The nineteenth sign of the Mayan calendar is Storm, Kawok in K'iche' and Cauac in "
        "Yucatec. The Maya prayed to Chaak, the rain god who strikes the clouds with his "
        "lightning axe, because the thunderstorm that frightened them also watered the young "
        "maize. Your nature works the same way: you bring relief where things have dried out, "
        "and people in trouble seek you out. Healing work suits you; at home you mend what is "
        "broken. Your feelings, though, gather like clouds and can break all at once. Let them "
        "fall as gentle rain, and keep some of your care for yourself."),
    // 10 Sun
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "This is the twentieth sign of the Mayan calendar, the Sun, Ajpu in K'iche' and Ahau in "
        "Yucatec, and it closes the count of day signs. Ahau means lord, and every period of "
        "twenty 360-day years in the Maya Long Count ended on a day of this name. The K'iche' "
        "name recalls Hunahpu, the blowgun hunter of the Popol Vuh who, with his twin brother, "
        "outwitted the lords of the underworld and rose into the sky as the sun. You carry some "
        "of that brightness. You lift a room when you walk in, you make things beautiful, and "
        "you lead by enthusiasm rather than by orders. In love you are warm and generous. Only "
        "beware of needing applause to feel alive, or of giving until you burn out: even the sun "
        "sets each night."),
    // 11 Crocodile
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "According to Mayan Astrology, crocodile is the first sign of the sacred calendar, Imosh "
        "in K'iche' and Imix in Yucatec. Maya artists showed the world as the back of a huge "
        "crocodile floating in the sea that was there before anything else, and the Imix glyph "
        "also serves as a sign for water and the water lily. This is the sign of beginnings and "
        "of the mother who guards them, as a crocodile carries her young in her jaws. You start "
        "things: households, businesses, traditions, clubs that outlive their founders. You feed "
        "people, shelter them and fight for them. At work you are the one who sets things up; at "
        "home you are the one who holds things together. The crocodile's jaws can close too "
        "tightly, though, and your care can turn into control. Let the young swim off on their "
        "own; the sea is wide enough for them and for you."),
    // 12 Wind
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Wind is the second day sign of the Mayan calendar, Ik in both the K'iche' and the "
        "Yucatec count. Its glyph is shaped like the letter T, the same shape as the windows of "
        "the royal palace at Palenque, and it stands for wind, breath and life itself: Maya "
        "inscriptions say of a king who died that his white breath withered away. You live by "
        "words and ideas. You talk, write, sing, teach and persuade, and your moods change as "
        "the wind shifts direction. At work you are the voice in the meeting, the one who "
        "explains and connects; in love you need good conversation as much as affection. The "
        "stormy side of wind can blow hot and cold on the people who depend on you. Speak up for "
        "whatever is fair, and let some thoughts settle before you scatter them."),
    // 13 Night
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "The third sign of Mayan astrology is Night, Akabal in K'iche' and Akbal in Yucatec, the "
        "house of darkness and dreams. In the highlands the day is linked with the hour just "
        "before dawn, when the dark begins to thin and the day is about to be born. You are a "
        "night person in the truest sense: you need a quiet room, a locked door and plenty of "
        "time to think before you act. Your inner life is rich, and many of you write, paint or "
        "compose in the small hours. You keep your savings safe and your promises safer, and the "
        "people you love find in you a shelter from every storm. The shadow of the sign is fear: "
        "of change, of being seen, of saying out loud what you feel. In the count itself Night "
        "is followed by Seed, and what rests in the dark is what later grows in the light. Tell "
        "someone what troubles you, and leave the door ajar for something new."),
    // 14 Seed
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Seed is the fourth sign of the Mayan calendar, Kat in K'iche' and Kan in Yucatec. The "
        "Yucatec name belongs to ripe yellow maize, and for the Maya maize was life itself: in "
        "the Popol Vuh the makers tried mud, then wood, before they shaped true people from "
        "maize dough. The K'iche' name means net, the woven bag in which maize cobs are carried "
        "home, and daykeepers use the day to untangle the knots in a life. You are a grower. "
        "Plans, gardens, families and firms thrive under your hands because you give them real "
        "energy, and your passion and physical vitality are strong. You like to see results and "
        "you handle money wisely. In love you are ardent and devoted and want a partner who will "
        "build something lasting. Patience is your hardest lesson: a seed does not sprout faster "
        "because you stare at the soil, and a plant held too tightly cannot grow. Plant in good "
        "time, tend steadily through the dry season, and the harvest will come."),
    // 15 Serpent
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "The fifth sign of the Mayan calendar is the Serpent, Kan in K'iche' and Chicchan in "
        "Yucatec, a sign many now link to the feathered serpent. At each equinox the late sun "
        "draws a body of light down the steps of the pyramid of Kukulcan at Chichen Itza; whether "
        "its builders meant it is still debated. Classic carvings show a vision serpent rising "
        "from an offering with an ancestor in its jaws, a road between worlds. Your presence "
        "fills any room and your instincts are quick; people follow you without knowing why, and "
        "you sense danger and opportunity early. Guard against striking when you feel cornered, "
        "and shed old skins without regret."),
    // 16 Transformer
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Transformer is the sixth sign of the Mayan calendar, Kame in K'iche' and Cimi in "
        "Yucatec, the sign of death and of what follows it. Its Yucatec glyph shows a skull, and "
        "in the Popol Vuh the two lords ruling the underworld are named One Death and Seven Death "
        "after this day. Yet the Maya did not see death as a wall: in the highlands Kame is the "
        "day to remember the ancestors and to ask their help. If this is your sign, you stand at "
        "doorways. You sit with the dying, counsel the grieving, settle quarrels and help others "
        "through a change they fear, and often read dreams well. You give without being asked, "
        "which is a gift and a risk; you can end up tired and unseen. Let what is finished end, "
        "say what you need, and let others look after you for a change."),
    // 17 Deer
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "The seventh sign of Mayan astrology is the Deer, Kiej in K'iche' and Manik in Yucatec, "
        "the graceful animal of the forest and the hunt. Maya hunters asked the deer's pardon "
        "before they took one, and in the highlands the Deer Dance is still performed at village "
        "feasts. Kiej is also a year bearer in the highland count, so the sign is linked with "
        "strength that carries a load for others; its Yucatec glyph, a hand, fits a sign so "
        "ready to help. You are at your best on the move, with a team around you and an open "
        "trail ahead. You share your skills freely, you soothe frightened animals and nervous "
        "people alike, and you keep the peace at home and at work without any fuss. The hard "
        "part is staying: you may bolt at the sound of an argument, or drift away when someone "
        "wants more of you than you planned to give. Find a quiet clearing you can call home, "
        "and hold your ground when something important is at stake."),
    // 18 Star
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "The eighth sign of the Mayan calendar is the Star, Kanil in K'iche' and Lamat in "
        "Yucatec, the bright planet Venus. The Maya watched it closely: the Dresden Codex holds "
        "tables of its cycle of about 584 days, in which it shines for months as a morning star, "
        "vanishes, and returns as an evening star. Five such cycles match eight solar years "
        "almost exactly, a fit that Maya astronomers put to use. The K'iche' name is also linked "
        "with ripening seed. If this is your sign, you bring sparkle to dark days. You love "
        "music, beauty and good company, you are a generous host and a devoted partner, and you "
        "have a gift for making friends and, often, money. Performing and the arts come "
        "naturally. The trouble is that you would rather tell a joke than face a hard truth, and "
        "you may want so much to please everyone that you please no one. Keep your feet on the "
        "ground while you reach for the sky."),
    // 19 Offering
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Offering or Water - the ninth sign of the Mayan calendar, Toj in K'iche' and Muluk in "
        "Yucatec - stands for the gifts given in gratitude and the rain that answers them. Toj "
        "means payment: in the highlands it is the day to settle what you owe, to the world and "
        "to the ancestors, with candles, copal incense and flowers. The old Maya threw jade and "
        "copal into the Sacred Cenote at Chichen Itza, a vast natural well devoted to the rain "
        "god. You feel deeply and dream vividly, and you often sense what a friend needs before "
        "a word is said. Art, ritual and the care of others draw you, and your imagination can "
        "turn ordinary things into something sacred. Your danger is paying too much: carrying "
        "guilt that is not yours, or drowning in moods that belong to someone else. Give gladly, "
        "but remember that an offering is freely made, not owed forever. You too deserve to "
        "receive."),
    // 20 Dog
    u""sv QT_TRANSLATE_NOOP("Catalogue",
        "Dogs are well known for their loyalty, and so are you if you were born under the Dog, "
        "the tenth sign of Mayan astrology, Tzi in K'iche' and Oc in Yucatec. In Mesoamerican "
        "belief a dog guided the dead on their journey to the underworld and helped them across a "
        "dark river. Highland daykeepers link the day with law and justice. You guard your people "
        "like a good watchdog and stand by them through any trouble. You have a keen nose for "
        "unfairness and will defend the weak, so law, teaching and public service suit you well. "
        "At home you are devoted and protective, and a partner always knows where you stand. You "
        "work hard, keep your word and expect others to keep theirs. When they do not, you may "
        "bark before you listen or hold a grudge for many years. Trust a little more, forgive a "
        "little sooner, and let good judgement lead your loyalty."),
}};
} // namespace tzk
