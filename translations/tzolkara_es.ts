<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Catalogue</name>
    <message>
        <source>Monkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Witty and demonstrative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aventurine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manifestation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Road</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Careful and useful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malachite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crusading and wise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turquoise </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Understanding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jaguar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Introvert and intelligent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free and independent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unakite </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knowledgeable and authoritative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smokey Quartz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practical and intellectual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romantic and self sufficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rhodonite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Healing and helpful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empowerment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affectionate and creative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rose Quartz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protective and dominating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Jasper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clever, lively, and multifaceted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sodalite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Justice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conservative and thoughtful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snowflake Obsidian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patience</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sexual, dynamic and energetic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dumortierite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forceful, powerful and charismatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helpful and sacrificing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carnelian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nomadic and cooperative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amazonite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Witty and jolly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hematite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emotional and imaginative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lapis Lazuli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helpful and loyal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bloodstone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neil Armstrong, Tina Turner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rudolf Nureyev, Maya Plisetskaya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audrey Hepburn, Louise Bourgeois</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alan Turing, Paul Newman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rigoberta Menchú, Hergé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ingrid Bergman, James Earl Jones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reese Witherspoon, Roy Lichtenstein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Martin Scorsese, Keanu Reeves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jacqueline du Pré, Nicole Kidman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leonardo DiCaprio, Sandra Bullock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wilma Rudolph, Usain Bolt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natalie Portman, Richard Burton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Michael Caine, Margaret Atwood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steffi Graf, Dean Martin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marilyn Monroe, Arthur Miller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>John Glenn, Emily Blunt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Julia Child, B.B. King</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toni Morrison, Jimi Hendrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gary Cooper, Katherine Johnson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bob Marley, Yayoi Kusama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The eleventh sign of Mayan astrology is the Monkey, called Batz in the highlands and Chuen in Yucatec, and it is the sign of the artist. In the Popol Vuh, the K&apos;iche&apos; book of creation, two half-brothers named after this day were gifted flute players, singers, painters and carvers, until their envy of the Hero Twins turned them into monkeys. Classic Maya vases show monkey scribes holding brushes, and in K&apos;iche&apos; the word batz also means thread, so the day belongs to weaving and the long thread of time. New highland daykeepers are still initiated on the day 8 Batz. Monkey people play with ideas the way a weaver plays with colour. At work they are quick, inventive and hard to bore; among friends they are the storyteller everyone waits for; in love they court with laughter. The same lightness can make you drop a project once it stops being fun, or hide a real worry behind a joke. Finish what you weave: a cloth is only beautiful once it is whole.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Road also known as the Path, E in the K&apos;iche&apos; tradition and Eb in the Yucatec, is the twelfth sign of the Mayan calendar, and it speaks of the way you walk through life. In the Popol Vuh two brothers come to a crossing of four roads, red, black, white and yellow; the black road speaks to them and leads them to the underworld, so the choice of a path is never a small thing. Highland daykeepers count E among the four days that can carry a year, and they pray on it for a safe journey. If this is your sign, you are the traveller who packs the map and the spare water. Friends trust you with the arrangements, colleagues trust you with the deadline, and a partner learns that you show love by turning up every time. What wears you down is carrying everyone else&apos;s luggage. Look up from the next step now and then, and ask whether the road still leads where you want to go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reed - the thirteenth sign of Mayan astrology, known as Aj in K&apos;iche&apos; and Ben in Yucatec - is the tall green cane that grows straight beside water. Maya families cut such canes for the walls of their houses and for arrows and staffs, so the sign stands for the home and for the upright stem that holds a household together. You carry a clear idea of how things ought to be, and you are ready to defend it for the people under your roof and for anyone treated unfairly. At work that makes you a natural teacher, advocate, healer or organiser, and in love it makes you a builder of homes rather than of castles in the air. The danger is the stiff cane that snaps in the storm: too many battles and too little give. A reed survives the wind by bending and rising again. Do the same, and people will follow your lead because they want to, not because they must.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jaguar is the fourteenth sign of the Mayan calendar, Ish in K&apos;iche&apos; and Ix in Yucatec, the great spotted cat that hunts by night. Maya kings sat on jaguar-skin cushions, and artists pictured the sun as a jaguar on its night journey under the earth. Highland daykeepers tie the day to the earth itself and to its sacred hills. Those born on it see in the dark: they notice what is left unsaid and study a problem long before they speak, and at work they are the scholar or healer who finds the hidden cause. In love you are slow to trust and fierce once you do. Let a few people into your territory; a lone jaguar is magnificent, but lonely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the name implies, the Eagle is the sign of the wide view from above. It is the fifteenth of the twenty day signs, Tzikin in K&apos;iche&apos; and Men in Yucatec. Tzikin simply means bird, and highland daykeepers treat the day as a messenger between sky and earth, a good day to ask for fortune and prosperity. You spot chances others miss, you aim high in your career, and you need room to fly. In love you want a partner who shares the horizon, not a cage. The risk is looking down on people from your height, or leaving just when staying matters. Climb as high as you please, but circle back for those who helped you rise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wisdom is the sixteenth sign of Mayan astrology, Ajmak in K&apos;iche&apos; and Cib in Yucatec. In the highlands it is the day for asking pardon, from the ancestors and from each other, because wisdom begins with knowing your own faults. You learn from everything that happens to you, good or bad, and sooner or later others come to you for counsel. You are the keeper of family stories and of hard-won lessons. Be as gentle with your own mistakes as you are with theirs, and your advice will be heard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth or the earthquake is the seventeenth sign of Mayan astrology, Noj in K&apos;iche&apos; and Caban in Yucatec. The Yucatec name means earth, and in Maya writing the curl of its glyph marks the soil. The K&apos;iche&apos; name, however, means thought. The sign joins the two: ideas that move the ground. You are happiest when a plan leaves the page and changes something real, in a workshop, a garden or a company. Like the land before a quake, you can stay calm for a long time and then shake everyone around you when your patience runs out. Listen before you move, and let your force build rather than break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The eighteenth sign of the Mayan calendar is Flint, Tijash in K&apos;iche&apos; and Etznab in Yucatec, the hard stone that the Maya chipped into knives and spearheads. Their master knappers also flaked flint into intricate ceremonial shapes, which were buried beneath temples as offerings. In the highlands daykeepers see Tijash as a healing blade, the one that cuts away illness and conflict. You speak plainly and decide fast, and you can slice through a muddle that has kept others stuck for weeks. In love you give your whole heart, yet you guard a space of your own and rarely ask for help. Remember that an edge can heal or wound: choose your words as carefully as a surgeon chooses where to cut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The nineteenth sign of the Mayan calendar is Storm, Kawok in K&apos;iche&apos; and Cauac in Yucatec. The Maya prayed to Chaak, the rain god who strikes the clouds with his lightning axe, because the thunderstorm that frightened them also watered the young maize. Your nature works the same way: you bring relief where things have dried out, and people in trouble seek you out. Healing work suits you; at home you mend what is broken. Your feelings, though, gather like clouds and can break all at once. Let them fall as gentle rain, and keep some of your care for yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the twentieth sign of the Mayan calendar, the Sun, Ajpu in K&apos;iche&apos; and Ahau in Yucatec, and it closes the count of day signs. Ahau means lord, and every period of twenty 360-day years in the Maya Long Count ended on a day of this name. The K&apos;iche&apos; name recalls Hunahpu, the blowgun hunter of the Popol Vuh who, with his twin brother, outwitted the lords of the underworld and rose into the sky as the sun. You carry some of that brightness. You lift a room when you walk in, you make things beautiful, and you lead by enthusiasm rather than by orders. In love you are warm and generous. Only beware of needing applause to feel alive, or of giving until you burn out: even the sun sets each night.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>According to Mayan Astrology, crocodile is the first sign of the sacred calendar, Imosh in K&apos;iche&apos; and Imix in Yucatec. Maya artists showed the world as the back of a huge crocodile floating in the sea that was there before anything else, and the Imix glyph also serves as a sign for water and the water lily. This is the sign of beginnings and of the mother who guards them, as a crocodile carries her young in her jaws. You start things: households, businesses, traditions, clubs that outlive their founders. You feed people, shelter them and fight for them. At work you are the one who sets things up; at home you are the one who holds things together. The crocodile&apos;s jaws can close too tightly, though, and your care can turn into control. Let the young swim off on their own; the sea is wide enough for them and for you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wind is the second day sign of the Mayan calendar, Ik in both the K&apos;iche&apos; and the Yucatec count. Its glyph is shaped like the letter T, the same shape as the windows of the royal palace at Palenque, and it stands for wind, breath and life itself: Maya inscriptions say of a king who died that his white breath withered away. You live by words and ideas. You talk, write, sing, teach and persuade, and your moods change as the wind shifts direction. At work you are the voice in the meeting, the one who explains and connects; in love you need good conversation as much as affection. The stormy side of wind can blow hot and cold on the people who depend on you. Speak up for whatever is fair, and let some thoughts settle before you scatter them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The third sign of Mayan astrology is Night, Akabal in K&apos;iche&apos; and Akbal in Yucatec, the house of darkness and dreams. In the highlands the day is linked with the hour just before dawn, when the dark begins to thin and the day is about to be born. You are a night person in the truest sense: you need a quiet room, a locked door and plenty of time to think before you act. Your inner life is rich, and many of you write, paint or compose in the small hours. You keep your savings safe and your promises safer, and the people you love find in you a shelter from every storm. The shadow of the sign is fear: of change, of being seen, of saying out loud what you feel. In the count itself Night is followed by Seed, and what rests in the dark is what later grows in the light. Tell someone what troubles you, and leave the door ajar for something new.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed is the fourth sign of the Mayan calendar, Kat in K&apos;iche&apos; and Kan in Yucatec. The Yucatec name belongs to ripe yellow maize, and for the Maya maize was life itself: in the Popol Vuh the makers tried mud, then wood, before they shaped true people from maize dough. The K&apos;iche&apos; name means net, the woven bag in which maize cobs are carried home, and daykeepers use the day to untangle the knots in a life. You are a grower. Plans, gardens, families and firms thrive under your hands because you give them real energy, and your passion and physical vitality are strong. You like to see results and you handle money wisely. In love you are ardent and devoted and want a partner who will build something lasting. Patience is your hardest lesson: a seed does not sprout faster because you stare at the soil, and a plant held too tightly cannot grow. Plant in good time, tend steadily through the dry season, and the harvest will come.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fifth sign of the Mayan calendar is the Serpent, Kan in K&apos;iche&apos; and Chicchan in Yucatec, the sign of the feathered serpent. At each equinox the late sun draws a body of light and shadow down the stairway of the pyramid of Kukulcan at Chichen Itza, and Classic carvings show a vision serpent rising from the smoke of an offering with an ancestor in its jaws: for the Maya the serpent was a road between worlds. Your presence fills any room and your instincts are quick; people follow you without knowing why, and you sense danger and opportunity early. Guard against striking when you feel cornered, and shed old skins without regret.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformer is the sixth sign of the Mayan calendar, Kame in K&apos;iche&apos; and Cimi in Yucatec, the sign of death and of what follows it. Its Yucatec glyph shows a skull, and in the Popol Vuh the two lords ruling the underworld are named One Death and Seven Death after this day. Yet the Maya did not see death as a wall: in the highlands Kame is the day to remember the ancestors and to ask their help. People of this sign stand at doorways. They sit with the dying, counsel the grieving, settle quarrels and help others through a change they fear, and they often read dreams well. You give without being asked, which is a gift and a risk; you can end up tired and unseen. Let what is finished end, say what you need, and let others look after you for a change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The seventh sign of Mayan astrology is the Deer, Kiej in K&apos;iche&apos; and Manik in Yucatec, the graceful animal of the forest and the hunt. Maya hunters asked the deer&apos;s pardon before they took one, and in the highlands the Deer Dance is still performed at village feasts. Kiej is also a year bearer in the highland count, so the sign is linked with strength that carries a load for others; its Yucatec glyph, a hand, fits a sign so ready to help. You are at your best on the move, with a team around you and an open trail ahead. You share your skills freely, you soothe frightened animals and nervous people alike, and you keep the peace at home and at work without any fuss. The hard part is staying: you may bolt at the sound of an argument, or drift away when someone wants more of you than you planned to give. Find a quiet clearing you can call home, and hold your ground when something important is at stake.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The eighth sign of the Mayan calendar is the Star, Kanil in K&apos;iche&apos; and Lamat in Yucatec, the bright planet Venus. The Maya watched it closely: the Dresden Codex holds tables of its cycle of about 584 days, in which it shines for months as a morning star, vanishes, and returns as an evening star. Five such cycles match eight solar years almost exactly, a fit that Maya astronomers put to use. The K&apos;iche&apos; name is also linked with ripening seed. People of this sign bring sparkle to dark days. You love music, beauty and good company, you are a generous host and an affectionate partner, and you have a gift for making friends and, often, money. Performing and the arts come naturally. The trouble is that you would rather tell a joke than face a hard truth, and you may want so much to please everyone that you please no one. Keep your feet on the ground while you reach for the sky.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offering or Water - the ninth sign of the Mayan calendar, Toj in K&apos;iche&apos; and Muluk in Yucatec - stands for the gifts given in gratitude and the rain that answers them. Toj means payment: in the highlands it is the day to settle what you owe, to the world and to the ancestors, with candles, copal incense and flowers. The old Maya threw jade and copal into the Sacred Cenote at Chichen Itza, a vast natural well devoted to the rain god. You feel deeply and dream vividly, and you often sense what a friend needs before a word is said. Art, ritual and the care of others draw you, and your imagination can turn ordinary things into something sacred. Your danger is paying too much: carrying guilt that is not yours, or drowning in moods that belong to someone else. Give gladly, but remember that an offering is freely made, not owed forever. You too deserve to receive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dogs are well known for their loyalty, and so are the people born under the Dog, the tenth sign of Mayan astrology, Tzi in K&apos;iche&apos; and Oc in Yucatec. In Mesoamerican belief a dog guided the dead on their journey to the underworld and helped them across a dark river. Highland daykeepers link the day with law and justice. You guard your people like a good watchdog and stand by them through any trouble. You have a keen nose for unfairness and will defend the weak, so law, teaching and public service suit you very well. At home you are devoted and protective, and a partner always knows where you stand. You work hard, keep your word and expect others to keep theirs. When they do not, you may bark before you listen or hold a grudge for many years. Trust a little more, forgive a little sooner, and let good judgement lead your loyalty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power and great force are the keywords of the first day number, the Magnetic tone. One is the number of beginnings: it draws scattered energy together and points it at a single purpose, as a magnet gathers iron filings to itself. People born under this tone tend to start things with conviction and to pull others along with them. Their task is to listen as well as lead, and to finish what they so boldly begin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance is the keyword describing the second day number, the Lunar tone.  Two is the number of polarity: light and dark, giving and receiving, self and others. Like the moon that waxes and wanes, those born under this tone feel the pull of opposites keenly and learn by weighing one side against the other. They make thoughtful partners and fair judges, though indecision can sometimes hold them back when they choose to wait too long for perfect certainty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versatile and communicative are the words that best describe the third day number, the Electric tone. Three wakes and connects: it is the spark that carries an idea from one mind to another and sets it in motion. People born under this tone are quick, curious and sociable, able to serve as a bridge between different groups and points of view. Their energy is easily scattered, so they do best when they choose a few worthy causes and put their talents to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Again balance is the keyword of the fourth day number, the Self-Existing tone, but here it is the firm balance of form and structure. Four is the number of the square, the four directions and the four corners of the earth. Those born under this tone are practical, dependable and methodical, and they like to define the shape of a task before starting it. They should take care not to become rigid or too fond of habit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five is the &apos;elevation of power&apos;, and the Overtone is the tone of radiance and command. It stands at the centre of the four directions, gathering their strength and giving it a purpose. Those born under this tone have natural authority; they empower others, organise resources and shine in positions of responsibility. The same force can turn to pride or a wish to dominate, so they grow when they use their gifts to lift up the people around them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imbalance is the keyword describing the sixth day number, the Rhythmic tone, yet this is the very thing which keeps life moving. Six is the number of flow and rhythm, the restless swing that follows stillness. People born under this tone adapt quickly, enjoy variety and find their own pace in every new situation. They must watch for restlessness and learn when steadiness serves better than change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Energy to catalyze&apos; is what the seventh day number, the Resonant tone, brings to those born under it. Seven stands at the middle of the thirteen tones, the mirror point from which the entire cycle can be seen. People of this tone are attuned to others and to the world, often intuitive and spiritually inclined, and they act as channels through which changes arrive. Their main task is to stay grounded and to trust their inner voice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Male authority is the keyword of the eighth day number, the Galactic tone. Eight is the number of integrity and harmony, where belief and action are made to agree. Those born under this tone hold firm principles and expect others to keep them too; they are organised, responsible and found in roles that call for leadership or judgement. Their strength is a clear sense of right and wrong, and their weakness is stubbornness. They flourish when they temper firmness with patience and apply the same high standards to themselves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female authority is the keyword of the ninth day number, the Solar tone. Nine is the number of intention and patience, the quiet power that nurtures a plan until it is ripe. People born under this tone lead through care rather than command, and they see the whole picture others miss. They can be persistent to the point of exhaustion and should remember to rest and receive as well as give.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyword describing this particular day number is manifestation. Ten, the Planetary tone, is where dreams and plans take form and become real. Those born under it are productive, practical and proud of what they build. They often measure themselves by results, so they gain from remembering that the process has value too, and that rest is part of the work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution is the keyword that sums up the eleventh day number, the Spectral tone. Eleven gently dissolves old forms so that new ones may arise. Those born under it are freedom-loving, honest and good at letting go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong and abundant energy is the gift of the twelfth day number, the Crystal tone. Twelve is the number of co-operation and shared understanding. People born under it are warm, generous and sociable, skilled at bringing people together, though they may take on too much.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realization is the keyword that closes the cycle with the thirteenth day number, the Cosmic tone. Thirteen is the number of completion and transcendence, where all that was learned in earlier tones comes together. People born under this tone are wise beyond their years, often drawn to spiritual questions, and able to see endings as beginnings. They should take care not to withdraw from everyday life or lose touch with others.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Tzolkara icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program icon, a golden sun on a purple tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link: opens the forum home page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link: opens the page about fully branded copies in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmExitScreen</name>
    <message>
        <source>Tzolkara icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program icon, a golden sun on a purple tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the forum home page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spaces are not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends these details to the refer-a-friend page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Tessaly Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link: opens the catalogue of Tessaly Softwares programs in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Tessaly Softwares</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Link: opens the forum home page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Previously Saved Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens a saved reading file and shows its reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open
Previously
Saved
Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name the reading is for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month you were born in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day of the month you were born on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The year you were born in, from 1900 to 2016</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the day sign and the day number of this date of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get &amp;Mayan Astrology Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link: opens the page about fully branded copies in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link: opens the page about co-branding in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get My &amp;Mayan Astrology Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMayanResult</name>
    <message>
        <source>Link: opens the forum home page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link: opens the page about co-branding in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link: opens the page about fully branded copies in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the report of this reading, to print it or save it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returns to the main window for another reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Number / Galactic Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Gemstone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Significance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Famous Personalities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Link: opens the forum home page in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Most Popular Online Tessaly Discussion Forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading as a printable report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the name and date of birth to a reading file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the report on the default printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link: opens the page about co-branding in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link: opens the page about fully branded copies in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::FrmAbout</name>
    <message>
        <source>Tzolkara is a Mayan astrology program that tells you your Mayan day sign and galactic tone number from your date of birth using the ancient calendar. It then gives a detailed interpretation of your sign, helping you understand your positive and negative traits so that you can build on your strengths, work on your weaknesses and improve yourself. All rights to this software are held by Tessaly Softwares.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::FrmExitScreen</name>
    <message>
        <source>Tessaly Softwares, such as this can be created and maintained only with your support. Please show your support by visiting our free online discussion forum site www.tessalyforum.com regularly and taking part in its discussions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please visit our forum site www.tessalyforum.com regularly and take part in its discussions. Our free programs cannot be maintained without your help, so every single visit you make is a great help to all of us.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Our forum site www.tessalyforum.com is a free online discussion forum where you can ask questions, share ideas and meet other users. Do come and visit it today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please help us by visiting our forum site www.tessalyforum.com regularly and taking part in its discussions. Every visit and every post keeps the forum alive and helps us keep making new programs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have enjoyed this software, you may like to try the other programs made by Tessaly Softwares. We publish a set of free desktop tools for everyday use: a biorhythm chart maker, a numerology calculator, a Chinese zodiac guide, a moon phase calendar, a simple recipe organiser, a password-protected diary, a unit converter, a photo slideshow creator and several small puzzle games for the whole family. Each of them is light, easy to use and free of charge. You can browse the full list, read a short description of each program and download the ones you like from our program catalogue at www.tessalyforum.com.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::FrmMain</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Astrology (*.man)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::FrmMayanResult</name>
    <message>
        <source>Day number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of the %1 tone, %2 in bar-and-dot numerals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day sign: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of the day sign %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Number Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Sign Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::FrmSave</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Report Could Not Be Printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Printer Is Available.
Save The Report As A PDF File Instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some Characters Of The Name Cannot Be Saved: %1
Save The Reading Without Them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Format (*.man)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Reading Could Not Be Saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::QtPlatform</name>
    <message>
        <source>%1
This file is read-only. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer %1 could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::ReadingWindow</name>
    <message>
        <source>The Most Popular Online Tessaly Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::ReferAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::RegularFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::Report</name>
    <message>
        <source>Report Generated By %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Number / Galactic Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Number: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Number&apos;s Description: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Signs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Sign: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Gemstone: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Keywords: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Significance: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan Day Sign&apos;s Description: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Mayan Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayan English Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Famous Personalities born under this sign: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tzk::Window</name>
    <message>
        <source>%1 v%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
