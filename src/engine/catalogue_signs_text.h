// Day-sign descriptions, one paragraph each, in catalogue row order.
#pragma once
#include <QtGlobal>

#include <array>
#include <string_view>
namespace tzk {
inline constexpr std::array<std::string_view, 20> kSignDescriptions{{
    // 1 Monkey
    QT_TRANSLATE_NOOP("Catalogue",
        "The eleventh sign of Mayan astrology is the Monkey, called Batz in the highlands and "
        "Chuen in Yucatec. People born under this sign are witty and demonstrative. They are the "
        "natural entertainers of any gathering, quick with a joke, generous with praise and never "
        "shy about showing what they feel. Their curiosity is endless, and they learn new skills "
        "with ease. Monkeys are inventive craftspeople and gifted storytellers, and others are "
        "drawn to their warmth. The dark side is restlessness: you may start many things and "
        "finish few, and your love of attention can tip into showing off or mocking people slower "
        "than you. You can also hide real worries behind a clown's grin. The gemstone of the sign "
        "is aventurine, a stone of luck and optimism, and its significance is manifestation: the "
        "power to turn a playful idea into something real. Take your talents seriously, give your "
        "projects the patience they deserve, and let your humour heal rather than wound."),
    // 2 Road
    QT_TRANSLATE_NOOP("Catalogue",
        "Road also known as the Path, E in the K'iche' tradition and Eb in the Yucatec, is the "
        "twelfth sign of the Mayan calendar. People born under it are careful and useful. They "
        "plan their journeys, keep their promises and they are the ones others call when something "
        "has to be done properly. They are hard-working, sociable and fond of helping the "
        "community, and they often travel far, in body or in mind. Your weakness is worry: you can "
        "fret over every detail, doubt your own worth and let other people's demands take over "
        "your life. At times you may also be stubborn about doing things your own way. The "
        "gemstone of the sign is malachite, a stone of protection on the road, and its "
        "significance is resolution, the ability to see a course through to its end. Trust your "
        "own sense of direction, rest when the road is long, and remember that helping yourself is "
        "also useful work."),
    // 3 Reed
    QT_TRANSLATE_NOOP("Catalogue",
        "Reed - the thirteenth sign of Mayan astrology, known as Aj in K'iche' and Ben in Yucatec "
        "- stands for the cane that grows straight and the home it helps to build. People born "
        "under this sign are crusading and wise. They defend their families and their principles "
        "with energy, and they care deeply about justice, learning and the health of the "
        "household. Reeds are often teachers, counsellors and leaders, and they inspire others by "
        "their own example. Your weakness is rigidity: you may believe your way is the only right "
        "one, take on far too many causes at once and grow bitter when others do not follow. The "
        "gemstone of the sign is turquoise, a stone of protection and clear speech, and its "
        "significance is understanding. Listen as much as you preach, bend a little in the strong "
        "winds as the reed does, and your wisdom will reach further than any crusade."),
    // 4 Jaguar
    QT_TRANSLATE_NOOP("Catalogue",
        "Jaguar is the fourteenth sign of the Mayan calendar, Ish in K'iche' and Ix in Yucatec, "
        "the great cat of the forest. People born under it are introverted and intelligent. Like "
        "the jaguar, they move quietly, watch carefully and strike only when they are sure. They "
        "have strong intuition, a love of nature and a deep interest in hidden knowledge, and they "
        "make patient researchers and healers. Your weakness is secrecy: you may shut others out, "
        "brood alone and seem cold to people who want to be close. The gemstone of the sign is "
        "moonstone and its significance is ascension. Share some of your inner world, and trust "
        "those who have earned it."),
    // 5 Eagle
    QT_TRANSLATE_NOOP("Catalogue",
        "As the name implies, the Eagle is the sign of vision and heights. It is the fifteenth "
        "sign of Mayan astrology, Tzikin in K'iche' and Men in Yucatec. People born under it are "
        "free and independent. They see the bigger picture, set ambitious goals for themselves and "
        "rarely accept limits set by others. They are often successful in business and bold in "
        "love. Your weakness is impatience and pride: you may look down on others or fly away just "
        "when commitment is needed. The gemstone of the sign is unakite and its significance is "
        "unity. Use your sharp sight and your courage to lift other people up with you as you rise."),
    // 6 Wisdom
    QT_TRANSLATE_NOOP("Catalogue",
        "Wisdom is the sixteenth sign of Mayan astrology, Ajmak in K'iche' and Cib in Yucatec. "
        "People born under it are knowledgeable and authoritative. They learn from experience, "
        "honour their past and are often sought out for advice. Your weakness is a harsh inner "
        "judge: you may be too critical of yourself and others, and slow to forgive. The gemstone "
        "is smokey quartz and the significance is duality. Accept that every person holds light "
        "and shadow, and your counsel will be kind as well as wise."),
    // 7 Earth
    QT_TRANSLATE_NOOP("Catalogue",
        "Earth or the earthquake is the seventeenth sign of Mayan astrology, Noj in K'iche' and "
        "Caban in Yucatec. People born under it are practical and intellectual. They think "
        "clearly, act decisively and like to move the world rather than merely discuss it. They "
        "are good with their hands and with ideas. Your weakness is impatience and a temper that "
        "can shake those around you. You may also push too hard for change before others are "
        "ready. The gemstone of the sign is agate and its significance is action. Ground yourself "
        "daily, listen before you move, and your energy will build rather than break."),
    // 8 Flint
    QT_TRANSLATE_NOOP("Catalogue",
        "The eighteenth sign of the Mayan calendar is Flint, Tijash in K'iche' and Etznab in "
        "Yucatec, the stone the Maya shaped into knives and mirrors. People born under it are "
        "romantic and self sufficient. They are blunt, cut through confusion fast and can heal as "
        "well as wound. They fall in love with their whole heart, yet they still need a space of "
        "their own and rarely ask for help. Your weakness is a sharp tongue and a tendency to cut "
        "yourself off from others when you are hurt. You may also judge too quickly and forgive "
        "too slowly. The gemstone of the sign is rhodonite, a stone of inner balance, and its "
        "significance is stability. Soften your edges a little, and speak the truth with care."),
    // 9 Storm
    QT_TRANSLATE_NOOP("Catalogue",
        "The nineteenth sign of the Mayan calendar is Storm, Kawok in K'iche' and Cauac in "
        "Yucatec. People born under it are healing and helpful. Like soft rain after a long, hard "
        "drought, they bring renewal, and others turn to them in times of trouble. They are very "
        "often drawn to medicine, prayer, care work and family life. Your weakness is moodiness: "
        "your emotions can build like thunderclouds and burst without warning. The gemstone of the "
        "sign is jade and its significance is empowerment. Let your storms clear the air, and care "
        "for yourself as you care for others."),
    // 10 Sun
    QT_TRANSLATE_NOOP("Catalogue",
        "This is the twentieth sign of the Mayan calendar, the Sun, Ajpu in K'iche' and Ahua in "
        "Yucatec, and it closes the count of day signs. People born under it are affectionate and "
        "creative. They shine warmth on everyone around them, love art and beauty and bring out "
        "the best in their friends. They are idealists with a gift for leadership, and their "
        "enthusiasm can carry a whole group through hard times. They are also playful, and they "
        "love good food, music and good company. Your weakness is vanity and a need to be admired, "
        "and you may burn out by giving too much. The gemstone of the sign is rose quartz and its "
        "significance is flow. Let your light move freely, and accept love as easily as you give "
        "it."),
    // 11 Crocodile
    QT_TRANSLATE_NOOP("Catalogue",
        "According to Mayan Astrology, crocodile is the first sign of the sacred calendar, Imosh "
        "in K'iche' and Imix in Yucatec. It stands for the primal waters from which all life "
        "emerges. People born under the sign are protective and dominating. They care fiercely for "
        "their families and friends and will defend them against every threat. They are full of "
        "ideas and energy and are natural founders of new ventures, households and traditions. "
        "Your weakness is a need for control: you may smother the people you love, resist good "
        "advice and become jealous or possessive. You can also turn moody and sharp when your "
        "plans are questioned. The gemstone of the sign is red jasper, a stone of strength and "
        "endurance, and its significance is unity. Learn to nurture without ruling, and let others "
        "grow in their own way and at their own pace."),
    // 12 Wind
    QT_TRANSLATE_NOOP("Catalogue",
        "Wind is the second day sign of the Mayan calendar, Ik in both the K'iche' and the Yucatec "
        "count, and it is the breath that carries life and speech. People born under it are "
        "clever, lively and multifaceted. They are quick communicators, full of ideas and able to "
        "adapt to any company. They are often gifted speakers, writers or musicians, able to move "
        "a crowd with ease. Your weakness is inconstancy: you may change direction too often, "
        "scatter your energy and leave tasks unfinished. You can also be temperamental, blowing "
        "hot and cold with the people who depend on you. The gemstone of the sign is sodalite, a "
        "stone of clear thinking, and its significance is justice. Use your voice to speak for "
        "what is fair, and give your ideas time to settle."),
    // 13 Night
    QT_TRANSLATE_NOOP("Catalogue",
        "The third sign of Mayan astrology is Night, Akabal in K'iche' and Akbal in Yucatec, the "
        "house of darkness and dreams. People born under it are conservative and thoughtful. They "
        "value security, home and tradition, and they reflect well before acting. They often have "
        "rich inner lives and strong intuition, and many are drawn to writing, art or music. They "
        "are faithful partners and sensible with money, and they build a safe shelter for the "
        "people they love. Your weakness is fear of change and a habit of hiding your feelings, "
        "even from those closest to you. You may cling to routine long after it has ceased to "
        "serve you or sink into deep gloom. The gemstone of the sign is snowflake obsidian and its "
        "significance is patience. Trust that every night ends at daybreak, share your fears with "
        "someone you love, and open your door to new experiences."),
    // 14 Seed
    QT_TRANSLATE_NOOP("Catalogue",
        "Seed is the fourth sign of the Mayan calendar, Kat in K'iche' and Kan in Yucatec. It "
        "holds the promise of growth, the net that gathers in the harvest and the bright spark of "
        "new life itself. People born under it are sexual, dynamic and energetic. They are fertile "
        "in body and mind, full of plans and able to make almost anything grow, whether a garden, "
        "a family or a business. They are persistent, practical and wise with money, and they like "
        "to see the fruits of their work. Your weakness is a tendency to scatter your seed too "
        "widely and then to be possessive of what you have sown. You may also be impatient with "
        "slow results, and your strong desires can pull you into choices you later regret. The "
        "gemstone of the sign is dumortierite, a stone of patience and self-discipline, and its "
        "significance is manifestation. Choose your fields and partners with care, tend them "
        "steadily through dry seasons, and the harvest will be rich."),
    // 15 Serpent
    QT_TRANSLATE_NOOP("Catalogue",
        "The fifth sign of the Mayan calendar is the Serpent, Kan in K'iche' and Chicchan in "
        "Yucatec, the sign of the life force that rises up through the body. People born under it "
        "are forceful, powerful and charismatic. Their vitality is strong, they draw others to "
        "them without trying and often rise to power. They are sensual and perceptive, quick to "
        "sense danger and opportunity. Your weakness is a quick temper and a tendency to strike "
        "when threatened. You may also hold a grudge long after the danger has passed. The "
        "gemstone of the sign is amethyst and its significance is resolution. Use your great power "
        "with wisdom, and shed old skins."),
    // 16 Transformer
    QT_TRANSLATE_NOOP("Catalogue",
        "Transformer is the sixth sign of the Mayan calendar, Kame in K'iche' and Cimi in Yucatec, "
        "the sign of death and rebirth and of the ancestors who still guide the living. People "
        "born under it are helpful and sacrificing. They sense what others need and give freely, "
        "and they often act as mediators, counsellors and peacemakers. They stay calm in any "
        "crisis and can help others through loss, grief and change, and many have a rare gift for "
        "reading dreams and omens. Your weakness is self-neglect and a habit of pessimism. You may "
        "give too much and then feel unseen, or fear endings so much that you hold on to what is "
        "already finished. The gemstone of the sign is carnelian and its significance is "
        "understanding. Let old things end so that new ones can begin."),
    // 17 Deer
    QT_TRANSLATE_NOOP("Catalogue",
        "The seventh sign of Mayan astrology is the Deer, Kiej in K'iche' and Manik in Yucatec, "
        "the graceful animal of the forest and the hunt. People born under it are nomadic and "
        "cooperative. They love to travel, work well in teams and are generous with their time and "
        "their skills. They are gentle, sensitive and often drawn to healing, farming or the care "
        "of animals, and their calm manner puts even strangers at ease. They make loyal friends "
        "and they quietly keep the peace in families and workplaces. Your weakness is a fear of "
        "being tied down and a tendency to run from conflict rather than face it honestly. You may "
        "also lean too much on the approval of others, and you can be proud when your help is "
        "refused. The gemstone of the sign is amazonite, a stone of courage and of calm, and its "
        "significance is ascension. Find a home and a place to rest between journeys, and stand "
        "your ground when it really matters."),
    // 18 Star
    QT_TRANSLATE_NOOP("Catalogue",
        "The eighth sign of the Mayan calendar is the Star, Kanil in K'iche' and Lamat in Yucatec, "
        "the bright planet Venus that rises at dawn and at dusk. People born under it are witty "
        "and jolly. They love harmony, beauty and good company, and they bring light to dark days "
        "with their humour and charm. They are often gifted artists, musicians or performers, and "
        "they have a talent for making money and friends alike. They are generous hosts and "
        "lively, affectionate partners who keep romance alive. Your weakness is a taste for excess "
        "and a tendency to avoid hard truths when a joke is easier. You may also be vain, and your "
        "need to please everyone can leave you feeling scattered. The gemstone of the sign is "
        "hematite, a grounding stone, and its significance is unity. Keep your feet firmly on the "
        "ground while you reach for the sky, and let your brightness serve others as well as "
        "yourself."),
    // 19 Offering
    QT_TRANSLATE_NOOP("Catalogue",
        "Offering or Water - the ninth sign of the Mayan calendar, Toj in K'iche' and Muluk in "
        "Yucatec - stands for the gifts given in gratitude and the rain that answers them. People "
        "born under it are emotional and imaginative. They feel deeply and dream vividly, and they "
        "often have powerful intuition or psychic gifts. They are creative, compassionate and "
        "drawn to art, ritual and the care of others, and they often know what a friend needs "
        "before a word is said. Your weakness is a tendency to drown in feelings and to pay too "
        "much for the mistakes of others. You may also be moody, and you can carry guilt that does "
        "not belong to you. The gemstone of the sign is lapis lazuli, a stone of truth and inner "
        "vision, and its significance is duality. Give freely and gladly, but remember that you "
        "too deserve to receive, and settle your debts with kindness rather than sacrifice."),
    // 20 Dog
    QT_TRANSLATE_NOOP("Catalogue",
        "Dogs are well known for their loyalty, and so are the people born under the Dog, the "
        "tenth sign of Mayan astrology, Tzi in K'iche' and Oc in Yucatec. They are helpful and "
        "loyal, steadfast friends who guard their families and stand by the people they love "
        "through any trouble. They have a strong sense of justice and fair play, and they are "
        "often found in law, teaching or public service. They work hard, keep their word and "
        "expect the same from others, and they are happiest with a clear purpose and a team to "
        "serve. Your weakness is a quick temper and a suspicion of strangers, and you may bark "
        "before you listen. You can also be stubborn and slow to forgive a betrayal. The gemstone "
        "of the sign is bloodstone, a stone of courage, and its significance is patience. Trust "
        "others a bit more, and let your loyalty be guided by good judgment."),
}};
} // namespace tzk
