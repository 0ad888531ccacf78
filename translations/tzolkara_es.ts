<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Catalogue</name>
    <message>
        <source>Monkey</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Witty and demonstrative</source>
        <translation>Ingenioso y expresivo</translation>
    </message>
    <message>
        <source>Aventurine</source>
        <translation>Aventurina</translation>
    </message>
    <message>
        <source>Manifestation</source>
        <translation>Manifestación</translation>
    </message>
    <message>
        <source>Road</source>
        <translation>Camino</translation>
    </message>
    <message>
        <source>Careful and useful</source>
        <translation>Cuidadoso y servicial</translation>
    </message>
    <message>
        <source>Malachite</source>
        <translation>Malaquita</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Reed</source>
        <translation>Caña</translation>
    </message>
    <message>
        <source>Crusading and wise</source>
        <translation>Luchador y sabio</translation>
    </message>
    <message>
        <source>Turquoise </source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Understanding</source>
        <translation>Comprensión</translation>
    </message>
    <message>
        <source>Jaguar</source>
        <translation>Jaguar</translation>
    </message>
    <message>
        <source>Introvert and intelligent</source>
        <translation>Introvertido e inteligente</translation>
    </message>
    <message>
        <source>Moonstone</source>
        <translation>Piedra de luna</translation>
    </message>
    <message>
        <source>Ascension</source>
        <translation>Ascensión</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Águila</translation>
    </message>
    <message>
        <source>Free and independent</source>
        <translation>Libre e independiente</translation>
    </message>
    <message>
        <source>Unakite </source>
        <translation>Unakita</translation>
    </message>
    <message>
        <source>Unity</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabiduría</translation>
    </message>
    <message>
        <source>Knowledgeable and authoritative</source>
        <translation>Conocedor y con autoridad</translation>
    </message>
    <message>
        <source>Smokey Quartz</source>
        <translation>Cuarzo ahumado</translation>
    </message>
    <message>
        <source>Duality</source>
        <translation>Dualidad</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Practical and intellectual</source>
        <translation>Práctico e intelectual</translation>
    </message>
    <message>
        <source>Agate</source>
        <translation>Ágata</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Flint</source>
        <translation>Pedernal</translation>
    </message>
    <message>
        <source>Romantic and self sufficient</source>
        <translation>Romántico y autosuficiente</translation>
    </message>
    <message>
        <source>Rhodonite</source>
        <translation>Rodonita</translation>
    </message>
    <message>
        <source>Stability</source>
        <translation>Estabilidad</translation>
    </message>
    <message>
        <source>Storm</source>
        <translation>Tormenta</translation>
    </message>
    <message>
        <source>Healing and helpful</source>
        <translation>Sanador y servicial</translation>
    </message>
    <message>
        <source>Jade</source>
        <translation>Jade</translation>
    </message>
    <message>
        <source>Empowerment</source>
        <translation>Empoderamiento</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Affectionate and creative</source>
        <translation>Cariñoso y creativo</translation>
    </message>
    <message>
        <source>Rose Quartz</source>
        <translation>Cuarzo rosa</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Fluidez</translation>
    </message>
    <message>
        <source>Crocodile</source>
        <translation>Cocodrilo</translation>
    </message>
    <message>
        <source>Protective and dominating</source>
        <translation>Protector y dominante</translation>
    </message>
    <message>
        <source>Red Jasper</source>
        <translation>Jaspe rojo</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>Clever, lively, and multifaceted</source>
        <translation>Listo, vivaz y polifacético</translation>
    </message>
    <message>
        <source>Sodalite</source>
        <translation>Sodalita</translation>
    </message>
    <message>
        <source>Justice</source>
        <translation>Justicia</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Conservative and thoughtful</source>
        <translation>Conservador y reflexivo</translation>
    </message>
    <message>
        <source>Snowflake Obsidian</source>
        <translation>Obsidiana copo de nieve</translation>
    </message>
    <message>
        <source>Patience</source>
        <translation>Paciencia</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Sexual, dynamic and energetic</source>
        <translation>Sexual, dinámico y enérgico</translation>
    </message>
    <message>
        <source>Dumortierite</source>
        <translation>Dumortierita</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Forceful, powerful and charismatic</source>
        <translation>Firme, poderoso y carismático</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Amatista</translation>
    </message>
    <message>
        <source>Transformer</source>
        <translation>Transformador</translation>
    </message>
    <message>
        <source>Helpful and sacrificing</source>
        <translation>Servicial y abnegado</translation>
    </message>
    <message>
        <source>Carnelian</source>
        <translation>Cornalina</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Venado</translation>
    </message>
    <message>
        <source>Nomadic and cooperative</source>
        <translation>Nómada y cooperativo</translation>
    </message>
    <message>
        <source>Amazonite</source>
        <translation>Amazonita</translation>
    </message>
    <message>
        <source>Star</source>
        <translation>Estrella</translation>
    </message>
    <message>
        <source>Witty and jolly</source>
        <translation>Ingenioso y alegre</translation>
    </message>
    <message>
        <source>Hematite</source>
        <translation>Hematita</translation>
    </message>
    <message>
        <source>Offering</source>
        <translation>Ofrenda</translation>
    </message>
    <message>
        <source>Emotional and imaginative</source>
        <translation>Emotivo e imaginativo</translation>
    </message>
    <message>
        <source>Lapis Lazuli</source>
        <translation>Lapislázuli</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Perro</translation>
    </message>
    <message>
        <source>Helpful and loyal</source>
        <translation>Servicial y leal</translation>
    </message>
    <message>
        <source>Bloodstone</source>
        <translation>Heliotropo</translation>
    </message>
    <message>
        <source>Neil Armstrong, Tina Turner</source>
        <translation>Neil Armstrong, Tina Turner</translation>
    </message>
    <message>
        <source>Rudolf Nureyev, Maya Plisetskaya</source>
        <translation>Rudolf Nureyev, Maya Plisetskaya</translation>
    </message>
    <message>
        <source>Audrey Hepburn, Louise Bourgeois</source>
        <translation>Audrey Hepburn, Louise Bourgeois</translation>
    </message>
    <message>
        <source>Alan Turing, Paul Newman</source>
        <translation>Alan Turing, Paul Newman</translation>
    </message>
    <message>
        <source>Rigoberta Menchú, Hergé</source>
        <translation>Rigoberta Menchú, Hergé</translation>
    </message>
    <message>
        <source>Ingrid Bergman, James Earl Jones</source>
        <translation>Ingrid Bergman, James Earl Jones</translation>
    </message>
    <message>
        <source>Reese Witherspoon, Roy Lichtenstein</source>
        <translation>Reese Witherspoon, Roy Lichtenstein</translation>
    </message>
    <message>
        <source>Martin Scorsese, Keanu Reeves</source>
        <translation>Martin Scorsese, Keanu Reeves</translation>
    </message>
    <message>
        <source>Jacqueline du Pré, Nicole Kidman</source>
        <translation>Jacqueline du Pré, Nicole Kidman</translation>
    </message>
    <message>
        <source>Leonardo DiCaprio, Sandra Bullock</source>
        <translation>Leonardo DiCaprio, Sandra Bullock</translation>
    </message>
    <message>
        <source>Wilma Rudolph, Usain Bolt</source>
        <translation>Wilma Rudolph, Usain Bolt</translation>
    </message>
    <message>
        <source>Natalie Portman, Richard Burton</source>
        <translation>Natalie Portman, Richard Burton</translation>
    </message>
    <message>
        <source>Michael Caine, Margaret Atwood</source>
        <translation>Michael Caine, Margaret Atwood</translation>
    </message>
    <message>
        <source>Steffi Graf, Dean Martin</source>
        <translation>Steffi Graf, Dean Martin</translation>
    </message>
    <message>
        <source>Marilyn Monroe, Arthur Miller</source>
        <translation>Marilyn Monroe, Arthur Miller</translation>
    </message>
    <message>
        <source>John Glenn, Emily Blunt</source>
        <translation>John Glenn, Emily Blunt</translation>
    </message>
    <message>
        <source>Julia Child, B.B. King</source>
        <translation>Julia Child, B.B. King</translation>
    </message>
    <message>
        <source>Toni Morrison, Jimi Hendrix</source>
        <translation>Toni Morrison, Jimi Hendrix</translation>
    </message>
    <message>
        <source>Gary Cooper, Katherine Johnson</source>
        <translation>Gary Cooper, Katherine Johnson</translation>
    </message>
    <message>
        <source>Road also known as the Path, E in the K&apos;iche&apos; tradition and Eb in the Yucatec, is the twelfth sign of the Mayan calendar, and it speaks of the way you walk through life. In the Popol Vuh two brothers come to a crossing of four roads, red, black, white and yellow; the black road speaks to them and leads them to the underworld, so the choice of a path is never a small thing. Highland daykeepers count E among the four days that can carry a year, and they pray on it for a safe journey. If this is your sign, you are the traveller who packs the map and the spare water. Friends trust you with the arrangements, colleagues trust you with the deadline, and a partner learns that you show love by turning up every time. What wears you down is carrying everyone else&apos;s luggage. Look up from the next step now and then, and ask whether the road still leads where you want to go.</source>
        <translation>El Camino, también llamado la Senda, E en la tradición k&apos;iche&apos; y Eb en yucateco, es el duodécimo signo del calendario maya y habla de cómo recorres la vida. En el Popol Vuh, dos hermanos llegan a un cruce de cuatro caminos, rojo, negro, blanco y amarillo; el camino negro les habla y los lleva al inframundo, así que elegir un camino nunca es poca cosa. Los contadores del tiempo del altiplano cuentan E entre los cuatro días que pueden cargar un año, y en él piden un viaje seguro. Si este es tu signo, eres el viajero que lleva el mapa y agua de sobra. Tus amigos te confían los preparativos, tus colegas los plazos, y tu pareja aprende que muestras tu amor llegando siempre. Lo que te agota es cargar el equipaje de todos. De vez en cuando levanta la vista del próximo paso y pregúntate si el camino aún lleva adonde quieres ir.</translation>
    </message>
    <message>
        <source>Reed - the thirteenth sign of Mayan astrology, known as Aj in K&apos;iche&apos; and Ben in Yucatec - is the tall green cane that grows straight beside water. Maya families cut such canes for the walls of their houses and for arrows and staffs, so the sign stands for the home and for the upright stem that holds a household together. You carry a clear idea of how things ought to be, and you are ready to defend it for the people under your roof and for anyone treated unfairly. At work that makes you a natural teacher, advocate, healer or organiser, and in love it makes you a builder of homes rather than of castles in the air. The danger is the stiff cane that snaps in the storm: too many battles and too little give. A reed survives the wind by bending and rising again. Do the same, and people will follow your lead because they want to, not because they must.</source>
        <translation>La Caña, decimotercer signo de la astrología maya, llamada Aj en k&apos;iche&apos; y Ben en yucateco, es la alta caña verde que crece recta junto al agua. Las familias mayas cortan estas cañas para las paredes de sus casas y para flechas y bastones, por eso el signo representa el hogar y el tallo recto que mantiene unida a una familia. Tienes una idea clara de cómo deben ser las cosas y estás dispuesto a defenderla por la gente bajo tu techo y por cualquiera que sufra una injusticia. En el trabajo eso te hace un maestro, defensor, sanador u organizador nato, y en el amor, alguien que construye hogares y no castillos en el aire. El peligro es la caña rígida que se quiebra en la tormenta: demasiadas batallas y muy poca flexibilidad. La caña sobrevive al viento doblándose y volviendo a levantarse. Haz lo mismo, y la gente te seguirá porque quiere, no porque debe.</translation>
    </message>
    <message>
        <source>As the name implies, the Eagle is the sign of the wide view from above. It is the fifteenth of the twenty day signs, Tzikin in K&apos;iche&apos; and Men in Yucatec. Tzikin simply means bird, and highland daykeepers treat the day as a messenger between sky and earth, a good day to ask for fortune and prosperity. You spot chances others miss, you aim high in your career, and you need room to fly. In love you want a partner who shares the horizon, not a cage. The risk is looking down on people from your height, or leaving just when staying matters. Climb as high as you please, but circle back for those who helped you rise.</source>
        <translation>Como su nombre lo indica, el Águila es el signo de la amplia vista desde lo alto. Es el decimoquinto de los veinte signos de los días, Tzikin en k&apos;iche&apos; y Men en yucateco. Tzikin significa simplemente pájaro, y los contadores del tiempo del altiplano ven el día como un mensajero entre el cielo y la tierra, un buen día para pedir fortuna y prosperidad. Ves oportunidades que otros pasan por alto, apuntas alto en tu carrera y necesitas espacio para volar. En el amor buscas una pareja que comparta tu horizonte, no una jaula. El riesgo es mirar a los demás desde tu altura, o irte justo cuando quedarse importa. Sube tan alto como quieras, pero vuelve por quienes te ayudaron a elevarte.</translation>
    </message>
    <message>
        <source>Wisdom is the sixteenth sign of Mayan astrology, Ajmak in K&apos;iche&apos; and Cib in Yucatec. In the highlands it is the day for asking pardon, from the ancestors and from each other, because wisdom begins with knowing your own faults. You learn from everything that happens to you, good or bad, and sooner or later others come to you for counsel. You are the keeper of family stories and of hard-won lessons. Be as gentle with your own mistakes as you are with theirs, and your advice will be heard.</source>
        <translation>La Sabiduría es el decimosexto signo de la astrología maya, Ajmak en k&apos;iche&apos; y Cib en yucateco. En el altiplano es el día para pedir perdón, a los ancestros y a los demás, porque la sabiduría empieza por conocer las propias faltas. Aprendes de todo lo que te pasa, bueno o malo, y tarde o temprano otros acuden a ti en busca de consejo. Eres quien guarda las historias de la familia y las lecciones aprendidas a golpes. Sé tan indulgente con tus propios errores como con los ajenos, y tus consejos serán escuchados.</translation>
    </message>
    <message>
        <source>Earth or the earthquake is the seventeenth sign of Mayan astrology, Noj in K&apos;iche&apos; and Caban in Yucatec. The Yucatec name means earth, and in Maya writing the curl of its glyph marks the soil. The K&apos;iche&apos; name, however, means thought. The sign joins the two: ideas that move the ground. You are happiest when a plan leaves the page and changes something real, in a workshop, a garden or a company. Like the land before a quake, you can stay calm for a long time and then shake everyone around you when your patience runs out. Listen before you move, and let your force build rather than break.</source>
        <translation>La Tierra, o el terremoto, es el decimoséptimo signo de la astrología maya, Noj en k&apos;iche&apos; y Caban en yucateco. El nombre yucateco significa tierra, y en la escritura maya la espiral de su glifo representa el suelo. El nombre k&apos;iche&apos;, en cambio, significa pensamiento. El signo une ambos: ideas que mueven el suelo. Eres más feliz cuando un plan sale del papel y cambia algo real, en un taller, un huerto o una empresa. Como la tierra antes de un sismo, puedes mantener la calma mucho tiempo y luego sacudir a todos a tu alrededor cuando se te acaba la paciencia. Escucha antes de moverte, y deja que tu fuerza construya en vez de romper.</translation>
    </message>
    <message>
        <source>The eighteenth sign of the Mayan calendar is Flint, Tijash in K&apos;iche&apos; and Etznab in Yucatec, the hard stone that the Maya chipped into knives and spearheads. Their master knappers also flaked flint into intricate ceremonial shapes, which were buried beneath temples as offerings. In the highlands daykeepers see Tijash as a healing blade, the one that cuts away illness and conflict. You speak plainly and decide fast, and you can slice through a muddle that has kept others stuck for weeks. In love you give your whole heart, yet you guard a space of your own and rarely ask for help. Remember that an edge can heal or wound: choose your words as carefully as a surgeon chooses where to cut.</source>
        <translation>El decimoctavo signo del calendario maya es el Pedernal, Tijash en k&apos;iche&apos; y Etznab en yucateco, la piedra dura que los mayas tallaban para hacer cuchillos y puntas de lanza. Sus maestros talladores también daban al pedernal complejas formas ceremoniales, que se enterraban como ofrendas bajo los templos. En el altiplano, los contadores del tiempo ven en Tijash una hoja que sana, la que corta la enfermedad y el conflicto. Hablas con franqueza y decides rápido, y puedes deshacer de un tajo un enredo que tenía a otros atascados por semanas. En el amor entregas todo el corazón, pero guardas un espacio propio y rara vez pides ayuda. Recuerda que un filo puede sanar o herir: elige tus palabras con el cuidado con que un cirujano elige dónde cortar.</translation>
    </message>
    <message>
        <source>The nineteenth sign of the Mayan calendar is Storm, Kawok in K&apos;iche&apos; and Cauac in Yucatec. The Maya prayed to Chaak, the rain god who strikes the clouds with his lightning axe, because the thunderstorm that frightened them also watered the young maize. Your nature works the same way: you bring relief where things have dried out, and people in trouble seek you out. Healing work suits you; at home you mend what is broken. Your feelings, though, gather like clouds and can break all at once. Let them fall as gentle rain, and keep some of your care for yourself.</source>
        <translation>El decimonoveno signo del calendario maya es la Tormenta, Kawok en k&apos;iche&apos; y Cauac en yucateco. Los mayas rezaban a Chaak, el dios de la lluvia que golpea las nubes con su hacha de rayo, porque la tormenta que los asustaba también regaba el maíz tierno. Tu naturaleza funciona igual: llevas alivio adonde todo se ha secado, y quienes están en apuros te buscan. Las labores de sanación te van bien; en casa reparas lo que está roto. Sin embargo, tus sentimientos se acumulan como nubes y pueden desatarse de golpe. Deja que caigan como lluvia suave, y guarda parte de tus cuidados para ti.</translation>
    </message>
    <message>
        <source>This is the twentieth sign of the Mayan calendar, the Sun, Ajpu in K&apos;iche&apos; and Ahau in Yucatec, and it closes the count of day signs. Ahau means lord, and every period of twenty 360-day years in the Maya Long Count ended on a day of this name. The K&apos;iche&apos; name recalls Hunahpu, the blowgun hunter of the Popol Vuh who, with his twin brother, outwitted the lords of the underworld and rose into the sky as the sun. You carry some of that brightness. You lift a room when you walk in, you make things beautiful, and you lead by enthusiasm rather than by orders. In love you are warm and generous. Only beware of needing applause to feel alive, or of giving until you burn out: even the sun sets each night.</source>
        <translation>Este es el vigésimo signo del calendario maya, el Sol, Ajpu en k&apos;iche&apos; y Ahau en yucateco, y cierra la cuenta de los signos de los días. Ahau significa señor, y cada período de veinte años de 360 días de la Cuenta Larga maya terminaba en un día con este nombre. El nombre k&apos;iche&apos; recuerda a Hunahpú, el cazador de cerbatana del Popol Vuh que, con su hermano gemelo, burló a los señores del inframundo y subió al cielo como el sol. Llevas algo de ese brillo. Iluminas un lugar con solo entrar, embelleces las cosas y diriges con entusiasmo más que con órdenes. En el amor eres cálido y generoso. Solo cuídate de necesitar aplausos para sentirte vivo, o de dar hasta agotarte: hasta el sol se pone cada noche.</translation>
    </message>
    <message>
        <source>According to Mayan Astrology, crocodile is the first sign of the sacred calendar, Imosh in K&apos;iche&apos; and Imix in Yucatec. Maya artists showed the world as the back of a huge crocodile floating in the sea that was there before anything else, and the Imix glyph also serves as a sign for water and the water lily. This is the sign of beginnings and of the mother who guards them, as a crocodile carries her young in her jaws. You start things: households, businesses, traditions, clubs that outlive their founders. You feed people, shelter them and fight for them. At work you are the one who sets things up; at home you are the one who holds things together. The crocodile&apos;s jaws can close too tightly, though, and your care can turn into control. Let the young swim off on their own; the sea is wide enough for them and for you.</source>
        <translation>Según la astrología maya, el Cocodrilo es el primer signo del calendario sagrado, Imosh en k&apos;iche&apos; e Imix en yucateco. Los artistas mayas mostraban el mundo como el lomo de un enorme cocodrilo que flota en el mar que existía antes que todo, y el glifo Imix también sirve como signo del agua y del nenúfar. Es el signo de los comienzos y de la madre que los cuida, como la hembra del cocodrilo que lleva a sus crías en las fauces. Tú inicias cosas: hogares, negocios, tradiciones, clubes que sobreviven a sus fundadores. Alimentas a la gente, la proteges y luchas por ella. En el trabajo pones las cosas en marcha; en casa mantienes todo unido. Pero las fauces del cocodrilo pueden cerrarse demasiado, y tu cuidado puede volverse control. Deja que los jóvenes naden solos; el mar es lo bastante ancho para ellos y para ti.</translation>
    </message>
    <message>
        <source>Wind is the second day sign of the Mayan calendar, Ik in both the K&apos;iche&apos; and the Yucatec count. Its glyph is shaped like the letter T, the same shape as the windows of the royal palace at Palenque, and it stands for wind, breath and life itself: Maya inscriptions say of a king who died that his white breath withered away. You live by words and ideas. You talk, write, sing, teach and persuade, and your moods change as the wind shifts direction. At work you are the voice in the meeting, the one who explains and connects; in love you need good conversation as much as affection. The stormy side of wind can blow hot and cold on the people who depend on you. Speak up for whatever is fair, and let some thoughts settle before you scatter them.</source>
        <translation>El Viento es el segundo signo del calendario maya, Ik tanto en la cuenta k&apos;iche&apos; como en la yucateca. Su glifo tiene forma de T, la misma de las ventanas del palacio real de Palenque, y representa el viento, el aliento y la vida misma: las inscripciones mayas dicen del rey que murió que su aliento blanco se marchitó. Vives de palabras e ideas. Hablas, escribes, cantas, enseñas y convences, y tu ánimo cambia como el viento cambia de dirección. En el trabajo eres la voz de la reunión, quien explica y conecta; en el amor necesitas buena conversación tanto como cariño. El lado tormentoso del viento puede volverte frío y cálido a la vez con quienes dependen de ti. Alza la voz por lo que es justo, y deja que algunas ideas se asienten antes de esparcirlas.</translation>
    </message>
    <message>
        <source>The third sign of Mayan astrology is Night, Akabal in K&apos;iche&apos; and Akbal in Yucatec, the house of darkness and dreams. In the highlands the day is linked with the hour just before dawn, when the dark begins to thin and the day is about to be born. You are a night person in the truest sense: you need a quiet room, a locked door and plenty of time to think before you act. Your inner life is rich, and many of you write, paint or compose in the small hours. You keep your savings safe and your promises safer, and the people you love find in you a shelter from every storm. The shadow of the sign is fear: of change, of being seen, of saying out loud what you feel. In the count itself Night is followed by Seed, and what rests in the dark is what later grows in the light. Tell someone what troubles you, and leave the door ajar for something new.</source>
        <translation>El tercer signo de la astrología maya es la Noche, Akabal en k&apos;iche&apos; y Akbal en yucateco, la casa de la oscuridad y los sueños. En el altiplano, el día se asocia con la hora previa al amanecer, cuando la oscuridad empieza a aclarar y el día está por nacer. Eres una persona nocturna en el sentido más profundo: necesitas un cuarto tranquilo, una puerta con llave y mucho tiempo para pensar antes de actuar. Tu vida interior es rica, y muchos de los tuyos escriben, pintan o componen de madrugada. Guardas bien tus ahorros y aún mejor tus promesas, y quienes amas encuentran en ti refugio de cualquier tormenta. La sombra del signo es el miedo: al cambio, a ser visto, a decir en voz alta lo que sientes. En la cuenta misma, a la Noche le sigue la Semilla, y lo que descansa en la oscuridad es lo que luego crece en la luz. Cuéntale a alguien lo que te inquieta, y deja la puerta entreabierta a algo nuevo.</translation>
    </message>
    <message>
        <source>Seed is the fourth sign of the Mayan calendar, Kat in K&apos;iche&apos; and Kan in Yucatec. The Yucatec name belongs to ripe yellow maize, and for the Maya maize was life itself: in the Popol Vuh the makers tried mud, then wood, before they shaped true people from maize dough. The K&apos;iche&apos; name means net, the woven bag in which maize cobs are carried home, and daykeepers use the day to untangle the knots in a life. You are a grower. Plans, gardens, families and firms thrive under your hands because you give them real energy, and your passion and physical vitality are strong. You like to see results and you handle money wisely. In love you are ardent and devoted and want a partner who will build something lasting. Patience is your hardest lesson: a seed does not sprout faster because you stare at the soil, and a plant held too tightly cannot grow. Plant in good time, tend steadily through the dry season, and the harvest will come.</source>
        <translation>La Semilla es el cuarto signo del calendario maya, Kat en k&apos;iche&apos; y Kan en yucateco. El nombre yucateco designa el maíz amarillo maduro, y para los mayas el maíz era la vida misma: en el Popol Vuh, los creadores probaron con barro y luego con madera antes de formar a las verdaderas personas con masa de maíz. El nombre k&apos;iche&apos; significa red, la bolsa tejida en que se llevan las mazorcas a casa, y los contadores del tiempo usan el día para desatar los nudos de una vida. Eres alguien que hace crecer. Planes, huertos, familias y empresas prosperan en tus manos porque les das verdadera energía, y tu pasión y tu vitalidad física son fuertes. Te gusta ver resultados y manejas el dinero con prudencia. En el amor eres ardiente y entregado, y buscas una pareja con quien construir algo duradero. La paciencia es tu lección más difícil: una semilla no brota antes porque mires la tierra, y una planta sujeta con demasiada fuerza no puede crecer. Siembra a tiempo, cuida con constancia en la temporada seca, y la cosecha llegará.</translation>
    </message>
    <message>
        <source>The seventh sign of Mayan astrology is the Deer, Kiej in K&apos;iche&apos; and Manik in Yucatec, the graceful animal of the forest and the hunt. Maya hunters asked the deer&apos;s pardon before they took one, and in the highlands the Deer Dance is still performed at village feasts. Kiej is also a year bearer in the highland count, so the sign is linked with strength that carries a load for others; its Yucatec glyph, a hand, fits a sign so ready to help. You are at your best on the move, with a team around you and an open trail ahead. You share your skills freely, you soothe frightened animals and nervous people alike, and you keep the peace at home and at work without any fuss. The hard part is staying: you may bolt at the sound of an argument, or drift away when someone wants more of you than you planned to give. Find a quiet clearing you can call home, and hold your ground when something important is at stake.</source>
        <translation>El séptimo signo de la astrología maya es el Venado, Kiej en k&apos;iche&apos; y Manik en yucateco, el elegante animal del bosque y de la caza. Los cazadores mayas le pedían perdón al venado antes de cazarlo, y en el altiplano la Danza del Venado todavía se baila en las fiestas de los pueblos. Kiej es además uno de los portadores del año en la cuenta del altiplano, por eso el signo se asocia con la fuerza que lleva una carga por los demás; su glifo yucateco, una mano, encaja con un signo tan dispuesto a ayudar. Das lo mejor de ti en movimiento, con un equipo a tu lado y un sendero abierto por delante. Compartes tus habilidades con generosidad, calmas tanto a animales asustados como a personas nerviosas, y mantienes la paz en casa y en el trabajo sin alboroto. Lo difícil para ti es quedarte: puedes huir al oír una discusión, o alejarte cuando alguien quiere de ti más de lo que pensabas dar. Busca un claro tranquilo al que llamar hogar, y mantente firme cuando algo importante esté en juego.</translation>
    </message>
    <message>
        <source>Offering or Water - the ninth sign of the Mayan calendar, Toj in K&apos;iche&apos; and Muluk in Yucatec - stands for the gifts given in gratitude and the rain that answers them. Toj means payment: in the highlands it is the day to settle what you owe, to the world and to the ancestors, with candles, copal incense and flowers. The old Maya threw jade and copal into the Sacred Cenote at Chichen Itza, a vast natural well devoted to the rain god. You feel deeply and dream vividly, and you often sense what a friend needs before a word is said. Art, ritual and the care of others draw you, and your imagination can turn ordinary things into something sacred. Your danger is paying too much: carrying guilt that is not yours, or drowning in moods that belong to someone else. Give gladly, but remember that an offering is freely made, not owed forever. You too deserve to receive.</source>
        <translation>La Ofrenda o el Agua, noveno signo del calendario maya, Toj en k&apos;iche&apos; y Muluk en yucateco, representa los dones entregados en gratitud y la lluvia que les responde. Toj significa pago: en el altiplano es el día para saldar lo que se debe, al mundo y a los ancestros, con velas, incienso de copal y flores. Los antiguos mayas arrojaban jade y copal al Cenote Sagrado de Chichén Itzá, un enorme pozo natural dedicado al dios de la lluvia. Sientes con intensidad y sueñas con viveza, y a menudo percibes lo que necesita un amigo antes de que diga una palabra. Te atraen el arte, los rituales y el cuidado de los demás, y tu imaginación puede volver sagradas las cosas comunes. Tu peligro es pagar de más: cargar culpas que no son tuyas, o ahogarte en estados de ánimo ajenos. Da con alegría, pero recuerda que una ofrenda se hace libremente y no se debe para siempre. Tú también mereces recibir.</translation>
    </message>
    <message>
        <source>Power and great force are the keywords of the first day number, the Magnetic tone. One is the number of beginnings: it draws scattered energy together and points it at a single purpose, as a magnet gathers iron filings to itself. People born under this tone tend to start things with conviction and to pull others along with them. Their task is to listen as well as lead, and to finish what they so boldly begin.</source>
        <translation>Poder y gran fuerza son las palabras clave del primer número del día, el tono Magnético. El uno es el número de los comienzos: reúne la energía dispersa y la dirige hacia un solo propósito, como un imán atrae las limaduras de hierro. Quienes nacen bajo este tono suelen emprender las cosas con convicción y arrastrar a otros consigo. Su tarea es escuchar además de dirigir, y terminar lo que empiezan con tanta audacia.</translation>
    </message>
    <message>
        <source>Balance is the keyword describing the second day number, the Lunar tone.  Two is the number of polarity: light and dark, giving and receiving, self and others. Like the moon that waxes and wanes, those born under this tone feel the pull of opposites keenly and learn by weighing one side against the other. They make thoughtful partners and fair judges, though indecision can sometimes hold them back when they choose to wait too long for perfect certainty.</source>
        <translation>El equilibrio es la palabra clave del segundo número del día, el tono Lunar. El dos es el número de la polaridad: luz y oscuridad, dar y recibir, uno mismo y los demás. Como la luna que crece y mengua, quienes nacen bajo este tono sienten con fuerza la atracción de los opuestos y aprenden sopesando un lado frente al otro. Son parejas reflexivas y jueces justos, aunque a veces la indecisión los frena cuando esperan demasiado una certeza perfecta.</translation>
    </message>
    <message>
        <source>Versatile and communicative are the words that best describe the third day number, the Electric tone. Three wakes and connects: it is the spark that carries an idea from one mind to another and sets it in motion. People born under this tone are quick, curious and sociable, able to serve as a bridge between different groups and points of view. Their energy is easily scattered, so they do best when they choose a few worthy causes and put their talents to use.</source>
        <translation>Versátil y comunicativo son las palabras que mejor describen el tercer número del día, el tono Eléctrico. El tres despierta y conecta: es la chispa que lleva una idea de una mente a otra y la pone en movimiento. Quienes nacen bajo este tono son rápidos, curiosos y sociables, capaces de servir de puente entre grupos y puntos de vista distintos. Su energía se dispersa con facilidad, así que les va mejor cuando eligen unas pocas causas valiosas y ponen en ellas su talento.</translation>
    </message>
    <message>
        <source>Again balance is the keyword of the fourth day number, the Self-Existing tone, but here it is the firm balance of form and structure. Four is the number of the square, the four directions and the four corners of the earth. Those born under this tone are practical, dependable and methodical, and they like to define the shape of a task before starting it. They should take care not to become rigid or too fond of habit.</source>
        <translation>De nuevo, el equilibrio es la palabra clave del cuarto número del día, el tono Autoexistente, pero aquí es el equilibrio firme de la forma y la estructura. El cuatro es el número del cuadrado, de las cuatro direcciones y de los cuatro rincones de la tierra. Quienes nacen bajo este tono son prácticos, confiables y metódicos, y les gusta definir la forma de una tarea antes de empezarla. Deben cuidar de no volverse rígidos ni demasiado apegados a la costumbre.</translation>
    </message>
    <message>
        <source>Five is the &apos;elevation of power&apos;, and the Overtone is the tone of radiance and command. It stands at the centre of the four directions, gathering their strength and giving it a purpose. Those born under this tone have natural authority; they empower others, organise resources and shine in positions of responsibility. The same force can turn to pride or a wish to dominate, so they grow when they use their gifts to lift up the people around them.</source>
        <translation>El cinco es la &quot;elevación del poder&quot;, y el Entonado es el tono del resplandor y del mando. Está en el centro de las cuatro direcciones, reúne su fuerza y le da un propósito. Quienes nacen bajo este tono tienen autoridad natural: dan fuerza a los demás, organizan recursos y brillan en puestos de responsabilidad. Esa misma fuerza puede volverse orgullo o afán de dominar, por eso crecen cuando usan sus dones para elevar a quienes los rodean.</translation>
    </message>
    <message>
        <source>Imbalance is the keyword describing the sixth day number, the Rhythmic tone, yet this is the very thing which keeps life moving. Six is the number of flow and rhythm, the restless swing that follows stillness. People born under this tone adapt quickly, enjoy variety and find their own pace in every new situation. They must watch for restlessness and learn when steadiness serves better than change.</source>
        <translation>El desequilibrio es la palabra clave del sexto número del día, el tono Rítmico, y sin embargo es justo lo que mantiene la vida en movimiento. El seis es el número del flujo y el ritmo, el vaivén inquieto que sigue a la quietud. Quienes nacen bajo este tono se adaptan rápido, disfrutan la variedad y encuentran su propio paso en cada situación nueva. Deben vigilar su inquietud y aprender cuándo la constancia sirve más que el cambio.</translation>
    </message>
    <message>
        <source>&apos;Energy to catalyze&apos; is what the seventh day number, the Resonant tone, brings to those born under it. Seven stands at the middle of the thirteen tones, the mirror point from which the entire cycle can be seen. People of this tone are attuned to others and to the world, often intuitive and spiritually inclined, and they act as channels through which changes arrive. Their main task is to stay grounded and to trust their inner voice.</source>
        <translation>&quot;Energía para catalizar&quot; es lo que el séptimo número del día, el tono Resonante, da a quienes nacen bajo él. El siete está en el centro de los trece tonos, el punto espejo desde el que se ve todo el ciclo. Las personas de este tono están en sintonía con los demás y con el mundo, suelen ser intuitivas y espirituales, y actúan como canales por los que llegan los cambios. Su tarea principal es mantener los pies en la tierra y confiar en su voz interior.</translation>
    </message>
    <message>
        <source>Male authority is the keyword of the eighth day number, the Galactic tone. Eight is the number of integrity and harmony, where belief and action are made to agree. Those born under this tone hold firm principles and expect others to keep them too; they are organised, responsible and found in roles that call for leadership or judgement. Their strength is a clear sense of right and wrong, and their weakness is stubbornness. They flourish when they temper firmness with patience and apply the same high standards to themselves.</source>
        <translation>La autoridad masculina es la palabra clave del octavo número del día, el tono Galáctico. El ocho es el número de la integridad y la armonía, donde las creencias y los actos se ponen de acuerdo. Quienes nacen bajo este tono tienen principios firmes y esperan que los demás también los respeten; son organizados, responsables y ocupan cargos que piden liderazgo o criterio. Su fuerza es un claro sentido del bien y del mal; su debilidad, la terquedad. Florecen cuando templan la firmeza con paciencia y se exigen a sí mismos lo mismo que a los demás.</translation>
    </message>
    <message>
        <source>Female authority is the keyword of the ninth day number, the Solar tone. Nine is the number of intention and patience, the quiet power that nurtures a plan until it is ripe. People born under this tone lead through care rather than command, and they see the whole picture others miss. They can be persistent to the point of exhaustion and should remember to rest and receive as well as give.</source>
        <translation>La autoridad femenina es la palabra clave del noveno número del día, el tono Solar. El nueve es el número de la intención y la paciencia, el poder silencioso que nutre un plan hasta que madura. Quienes nacen bajo este tono dirigen con cuidado más que con órdenes, y ven el panorama completo que otros no ven. Pueden ser perseverantes hasta el agotamiento y deben recordar descansar y recibir, además de dar.</translation>
    </message>
    <message>
        <source>The keyword describing this particular day number is manifestation. Ten, the Planetary tone, is where dreams and plans take form and become real. Those born under it are productive, practical and proud of what they build. They often measure themselves by results, so they gain from remembering that the process has value too, and that rest is part of the work.</source>
        <translation>La palabra clave de este número del día es la manifestación. El diez, el tono Planetario, es donde los sueños y los planes toman forma y se hacen realidad. Quienes nacen bajo él son productivos, prácticos y están orgullosos de lo que construyen. Suelen medirse por sus resultados, así que les conviene recordar que el proceso también tiene valor y que el descanso es parte del trabajo.</translation>
    </message>
    <message>
        <source>Resolution is the keyword that sums up the eleventh day number, the Spectral tone. Eleven gently dissolves old forms so that new ones may arise. Those born under it are freedom-loving, honest and good at letting go.</source>
        <translation>La resolución es la palabra clave que resume el undécimo número del día, el tono Espectral. El once disuelve con suavidad las formas viejas para que surjan otras nuevas. Quienes nacen bajo él aman la libertad, son honestos y saben soltar.</translation>
    </message>
    <message>
        <source>Strong and abundant energy is the gift of the twelfth day number, the Crystal tone. Twelve is the number of co-operation and shared understanding. People born under it are warm, generous and sociable, skilled at bringing people together, though they may take on too much.</source>
        <translation>Una energía fuerte y abundante es el don del duodécimo número del día, el tono Cristal. El doce es el número de la cooperación y el entendimiento compartido. Quienes nacen bajo él son cálidos, generosos y sociables, hábiles para reunir a la gente, aunque pueden abarcar demasiado.</translation>
    </message>
    <message>
        <source>Realization is the keyword that closes the cycle with the thirteenth day number, the Cosmic tone. Thirteen is the number of completion and transcendence, where all that was learned in earlier tones comes together. People born under this tone are wise beyond their years, often drawn to spiritual questions, and able to see endings as beginnings. They should take care not to withdraw from everyday life or lose touch with others.</source>
        <translation>La realización es la palabra clave que cierra el ciclo con el decimotercer número del día, el tono Cósmico. El trece es el número de la culminación y la trascendencia, donde se reúne todo lo aprendido en los tonos anteriores. Quienes nacen bajo este tono son sabios para su edad, suelen interesarse por las cuestiones espirituales y saben ver los finales como comienzos. Deben cuidar de no alejarse de la vida diaria ni perder el contacto con los demás.</translation>
    </message>
    <message>
        <source>Bob Marley, Setsuko Hara</source>
        <translation>Bob Marley, Setsuko Hara</translation>
    </message>
    <message>
        <source>The eleventh sign of Mayan astrology is the Monkey, called Batz in the highlands and Chuen in Yucatec, and it is the sign of the artist. In the Popol Vuh, the K&apos;iche&apos; book of creation, the Hero Twins&apos; elder half-brothers, named after this day, were gifted flute players, singers, painters and carvers, until their envy of the Twins turned them into monkeys. Classic Maya vases show monkey scribes holding brushes, and in K&apos;iche&apos; the word batz also means thread, so the day belongs to weaving and the long thread of time. New highland daykeepers are still initiated on the day 8 Batz. You play with ideas the way a weaver plays with colour. At work you are quick, inventive and hard to bore; among friends you are the storyteller everyone waits for; in love you court with laughter. The same lightness can make you drop a task once it stops being fun, or hide a real worry behind a laugh. Finish what you weave: a cloth is only beautiful once it is whole.</source>
        <translation>El Mono es el undécimo signo de la astrología maya; se llama Batz en el altiplano y Chuen en yucateco, y es el signo del artista. En el Popol Vuh, el libro k&apos;iche&apos; de la creación, los medios hermanos mayores de los héroes gemelos, que llevan el nombre de este día, eran hábiles flautistas, cantores, pintores y talladores, hasta que su envidia de los gemelos los convirtió en monos. Los vasos mayas clásicos muestran monos escribas con pinceles, y en k&apos;iche&apos; batz también significa hilo, así que el día pertenece al tejido y al largo hilo del tiempo. Los nuevos contadores del tiempo del altiplano aún se inician el día 8 Batz. Juegas con las ideas como una tejedora con los colores. En el trabajo eres rápido, ingenioso y difícil de aburrir; entre amigos cuentas las historias que todos esperan; en el amor conquistas con risas. Esa misma ligereza puede hacer que abandones una tarea cuando deja de divertirte, o que escondas una preocupación real tras una risa. Termina lo que tejes: una tela solo es hermosa cuando está completa.</translation>
    </message>
    <message>
        <source>Jaguar is the fourteenth sign of the Mayan calendar, Ix, also spelled Ish, in both K&apos;iche&apos; and Yucatec, the great spotted cat that hunts by night. Maya kings sat on jaguar-skin cushions, and artists pictured the sun as a jaguar on its night journey under the earth. Highland daykeepers tie the day to the earth itself and to its sacred hills. You see in the dark: you notice what is left unsaid and study a problem well before you speak, and at work you are the scholar or healer who finds the hidden cause. In love you are slow to trust and fierce once you do. Let a few people into your territory; a lone jaguar is magnificent but lonely.</source>
        <translation>El Jaguar es el decimocuarto signo del calendario maya, Ix, también escrito Ish, tanto en k&apos;iche&apos; como en yucateco: el gran felino moteado que caza de noche. Los reyes mayas se sentaban sobre cojines de piel de jaguar, y los artistas pintaban al sol como un jaguar en su viaje nocturno bajo la tierra. Los contadores del tiempo del altiplano vinculan el día con la tierra misma y con sus cerros sagrados. Ves en la oscuridad: notas lo que no se dice y estudias un problema mucho antes de hablar, y en el trabajo eres el estudioso o el sanador que descubre la causa oculta. En el amor tardas en confiar y, cuando lo haces, amas con fiereza. Deja entrar a unas cuantas personas en tu territorio; un jaguar solitario es magnífico, pero está solo.</translation>
    </message>
    <message>
        <source>The fifth sign of the Mayan calendar is the Serpent, Kan in K&apos;iche&apos; and Chicchan in Yucatec, a sign many now link to the feathered serpent. At each equinox the late sun draws a body of light down the steps of the pyramid of Kukulcan at Chichen Itza; whether its builders meant it is still debated. Classic carvings show a vision serpent rising from an offering with an ancestor in its jaws, a road between worlds. Your presence fills any room and your instincts are quick; people follow you without knowing why, and you sense danger and opportunity early. Guard against striking when you feel cornered, and shed old skins without regret.</source>
        <translation>El quinto signo del calendario maya es la Serpiente, Kan en k&apos;iche&apos; y Chicchan en yucateco, un signo que hoy muchos asocian con la serpiente emplumada. En cada equinoccio, el sol de la tarde dibuja un cuerpo de luz que baja por la escalinata de la pirámide de Kukulcán en Chichén Itzá; todavía se discute si sus constructores lo buscaron. Las tallas clásicas muestran una serpiente de visión que surge de una ofrenda con un ancestro en las fauces, un camino entre mundos. Tu presencia llena cualquier lugar y tu instinto es rápido; la gente te sigue sin saber por qué, y percibes pronto el peligro y la oportunidad. Cuídate de atacar cuando te sientes acorralado, y muda de piel sin remordimientos.</translation>
    </message>
    <message>
        <source>Transformer is the sixth sign of the Mayan calendar, Kame in K&apos;iche&apos; and Cimi in Yucatec, the sign of death and of what follows it. Its Yucatec glyph shows a skull, and in the Popol Vuh the two lords ruling the underworld are named One Death and Seven Death after this day. Yet the Maya did not see death as a wall: in the highlands Kame is the day to remember the ancestors and to ask their help. If this is your sign, you stand at doorways. You sit with the dying, counsel the grieving, settle quarrels and help others through a change they fear, and often read dreams well. You give without being asked, which is a gift and a risk; you can end up tired and unseen. Let what is finished end, say what you need, and let others look after you for a change.</source>
        <translation>El Transformador es el sexto signo del calendario maya, Kame en k&apos;iche&apos; y Cimi en yucateco, el signo de la muerte y de lo que viene después. Su glifo yucateco muestra una calavera, y en el Popol Vuh los dos señores que gobiernan el inframundo se llaman Uno Muerte y Siete Muerte por este día. Pero los mayas no veían la muerte como un muro: en el altiplano, Kame es el día para recordar a los ancestros y pedir su ayuda. Si este es tu signo, estás en los umbrales. Acompañas a los moribundos, consuelas a quienes están de duelo, resuelves disputas y ayudas a otros a atravesar un cambio que temen, y a menudo sabes interpretar los sueños. Das sin que te lo pidan, lo cual es un don y un riesgo: puedes acabar cansado y sin que nadie lo note. Deja que termine lo que ya acabó, di lo que necesitas, y permite que por una vez otros te cuiden.</translation>
    </message>
    <message>
        <source>The eighth sign of the Mayan calendar is the Star, Kanil in K&apos;iche&apos; and Lamat in Yucatec, the bright planet Venus. The Maya watched it closely: the Dresden Codex holds tables of its cycle of about 584 days, in which it shines for months as a morning star, vanishes, and returns as an evening star. Five such cycles match eight solar years almost exactly, a fit that Maya astronomers put to use. The K&apos;iche&apos; name is also linked with ripening seed. If this is your sign, you bring sparkle to dark days. You love music, beauty and good company, you are a generous host and a devoted partner, and you have a gift for making friends and, often, money. Performing and the arts come naturally. The trouble is that you would rather tell a joke than face a hard truth, and you may want so much to please everyone that you please no one. Keep your feet on the ground while you reach for the sky.</source>
        <translation>El octavo signo del calendario maya es la Estrella, Kanil en k&apos;iche&apos; y Lamat en yucateco: el brillante planeta Venus. Los mayas lo observaban de cerca: el Códice de Dresde contiene tablas de su ciclo de unos 584 días, en el que brilla durante meses como estrella de la mañana, desaparece y regresa como estrella de la tarde. Cinco de esos ciclos equivalen casi exactamente a ocho años solares, una coincidencia que los astrónomos mayas aprovecharon. El nombre k&apos;iche&apos; también se asocia con la semilla que madura. Si este es tu signo, das brillo a los días oscuros. Amas la música, la belleza y la buena compañía, eres un anfitrión generoso y una pareja entregada, y tienes el don de hacer amigos y, a menudo, dinero. El escenario y las artes se te dan con naturalidad. El problema es que prefieres contar un chiste a enfrentar una verdad difícil, y puedes querer tanto complacer a todos que no complazcas a nadie. Mantén los pies en la tierra mientras alcanzas el cielo.</translation>
    </message>
    <message>
        <source>Dogs are well known for their loyalty, and so are you if you were born under the Dog, the tenth sign of Mayan astrology, Tzi in K&apos;iche&apos; and Oc in Yucatec. In Mesoamerican belief a dog guided the dead on their journey to the underworld and helped them across a dark river. Highland daykeepers link the day with law and justice. You guard your people like a good watchdog and stand by them through any trouble. You have a keen nose for unfairness and will defend the weak, so law, teaching and public service suit you well. At home you are devoted and protective, and a partner always knows where you stand. You work hard, keep your word and expect others to keep theirs. When they do not, you may bark before you listen or hold a grudge for many years. Trust a little more, forgive a little sooner, and let good judgement lead your loyalty.</source>
        <translation>Los perros son conocidos por su lealtad, y tú también, si naciste bajo el Perro, décimo signo de la astrología maya, Tzi en k&apos;iche&apos; y Oc en yucateco. En las creencias mesoamericanas, un perro guiaba a los muertos en su viaje al inframundo y los ayudaba a cruzar un río oscuro. Los contadores del tiempo del altiplano asocian el día con la ley y la justicia. Cuidas a los tuyos como un buen perro guardián y los apoyas en cualquier dificultad. Tienes buen olfato para la injusticia y defiendes a los débiles, así que el derecho, la enseñanza y el servicio público te van bien. En casa eres entregado y protector, y tu pareja siempre sabe a qué atenerse contigo. Trabajas duro, cumples tu palabra y esperas que los demás cumplan la suya. Cuando no lo hacen, puedes ladrar antes de escuchar o guardar rencor durante muchos años. Confía un poco más, perdona un poco antes, y deja que el buen juicio guíe tu lealtad.</translation>
    </message>
</context>
<context>
    <name>Month</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda de las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, con las opciones propias de Qt.</translation>
    </message>
</context>
<context>
    <name>Tone</name>
    <message>
        <source>Magnetic</source>
        <translation>Magnético</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>Lunar</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Eléctrico</translation>
    </message>
    <message>
        <source>Self-Existing</source>
        <translation>Autoexistente</translation>
    </message>
    <message>
        <source>Overtone</source>
        <translation>Entonado</translation>
    </message>
    <message>
        <source>Rhythmic</source>
        <translation>Rítmico</translation>
    </message>
    <message>
        <source>Resonant</source>
        <translation>Resonante</translation>
    </message>
    <message>
        <source>Galactic</source>
        <translation>Galáctico</translation>
    </message>
    <message>
        <source>Solar</source>
        <translation>Solar</translation>
    </message>
    <message>
        <source>Planetary</source>
        <translation>Planetario</translation>
    </message>
    <message>
        <source>Spectral</source>
        <translation>Espectral</translation>
    </message>
    <message>
        <source>Crystal</source>
        <translation>Cristal</translation>
    </message>
    <message>
        <source>Cosmic</source>
        <translation>Cósmico</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Tzolkara icon</source>
        <translation>Icono de Tzolkara</translation>
    </message>
    <message>
        <source>The program icon, a golden sun on a purple tile</source>
        <translation>El icono del programa, un sol dorado sobre un recuadro morado</translation>
    </message>
    <message>
        <source>Link: opens the forum home page in your web browser</source>
        <translation>Enlace: abre la página principal del foro en tu navegador</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Negocio desde casa: crea tu propio negocio en internet y gana dinero en línea. Ten este programa con la marca de tu sitio web.</translation>
    </message>
    <message>
        <source>Link: opens the page about fully branded copies in your web browser</source>
        <translation>Enlace: abre en tu navegador la página sobre copias con tu propia marca</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Más información aquí.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmDay</name>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>Shows today&apos;s day</source>
        <translation>Muestra el día de hoy</translation>
    </message>
    <message>
        <source>Picture of the day sign</source>
        <translation>Imagen del signo del día</translation>
    </message>
    <message>
        <source>Picture of the tone in bar-and-dot numerals</source>
        <translation>Imagen del tono en numeración de barras y puntos</translation>
    </message>
    <message>
        <source>Kin:</source>
        <translation>Kin:</translation>
    </message>
    <message>
        <source>Trecena:</source>
        <translation>Trecena:</translation>
    </message>
    <message>
        <source>Haab&apos;:</source>
        <translation>Haab&apos;:</translation>
    </message>
    <message>
        <source>Long Count:</source>
        <translation>Cuenta Larga:</translation>
    </message>
    <message>
        <source>Calendar Round:</source>
        <translation>Rueda calendárica:</translation>
    </message>
    <message>
        <source>Lord of the Night:</source>
        <translation>Señor de la Noche:</translation>
    </message>
    <message>
        <source>Year bearer:</source>
        <translation>Portador del año:</translation>
    </message>
    <message>
        <source>Next &amp;returns of this kin:</source>
        <translation>Próximos &amp;retornos de este kin:</translation>
    </message>
    <message>
        <source>&amp;Export to Calendar…</source>
        <translation>&amp;Exportar al calendario…</translation>
    </message>
    <message>
        <source>Saves these days as a calendar file</source>
        <translation>Guarda estos días en un archivo de calendario</translation>
    </message>
    <message>
        <source>About the &amp;sign:</source>
        <translation>Sobre el &amp;signo:</translation>
    </message>
    <message>
        <source>About the t&amp;one:</source>
        <translation>Sobre el t&amp;ono:</translation>
    </message>
</context>
<context>
    <name>frmExitScreen</name>
    <message>
        <source>Tzolkara icon</source>
        <translation>Icono de Tzolkara</translation>
    </message>
    <message>
        <source>The program icon, a golden sun on a purple tile</source>
        <translation>El icono del programa, un sol dorado sobre un recuadro morado</translation>
    </message>
    <message>
        <source>Opens the forum home page in your web browser</source>
        <translation>Abre la página principal del foro en tu navegador</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomiéndanos</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Spaces are not allowed</source>
        <translation>No se permiten espacios</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Sends these details to the refer-a-friend page in your web browser</source>
        <translation>Envía estos datos a la página de recomendaciones en tu navegador</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Download Tessaly Softwares</source>
        <translation>Descargas de Tessaly Softwares</translation>
    </message>
    <message>
        <source>Link: opens the catalogue of Tessaly Softwares programs in your web browser</source>
        <translation>Enlace: abre en tu navegador el catálogo de programas de Tessaly Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Tessaly Softwares</source>
        <translation>Haz clic aquí para visitar Tessaly Softwares</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Link: opens the forum home page in your web browser</source>
        <translation>Enlace: abre la página principal del foro en tu navegador</translation>
    </message>
    <message>
        <source>Open Previously Saved Reading</source>
        <translation>Abrir una lectura guardada</translation>
    </message>
    <message>
        <source>Opens a saved reading file and shows its reading</source>
        <translation>Abre un archivo de lectura guardado y muestra su lectura</translation>
    </message>
    <message>
        <source>&amp;Open
Previously
Saved
Reading</source>
        <translation>Abrir
una lectura
&amp;guardada</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom.</translation>
    </message>
    <message>
        <source>The name the reading is for</source>
        <translation>El nombre de la persona de la lectura</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>The month you were born in</source>
        <translation>El mes en que naciste</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>The day of the month you were born on</source>
        <translation>El día del mes en que naciste</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>The year you were born in, from 1900 to 2016</source>
        <translation>El año en que naciste, de 1900 a 2016</translation>
    </message>
    <message>
        <source>Shows the day sign and the day number of this date of birth</source>
        <translation>Muestra el signo y el número del día de esta fecha de nacimiento</translation>
    </message>
    <message>
        <source>Get &amp;Mayan Astrology Result</source>
        <translation>Ver mi resultado de astrología &amp;maya</translation>
    </message>
    <message>
        <source>Link: opens the page about fully branded copies in your web browser</source>
        <translation>Enlace: abre en tu navegador la página sobre copias con tu propia marca</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en internet y gana dinero en línea. Obtén este programa con la marca de tu sitio web. Haz clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>Link: opens the page about co-branding in your web browser</source>
        <translation>Enlace: abre en tu navegador la página sobre marca compartida</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Comparte la marca de este programa con tu sitio y gana fidelidad y visitas. Pon aquí el nombre y el enlace de tu sitio (ver &quot;Ayuda&quot;). Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Get My &amp;Mayan Astrology Sign</source>
        <translation>Ver mi signo de astrología &amp;maya</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos en línea</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gana dinero en línea</translation>
    </message>
</context>
<context>
    <name>frmMayanResult</name>
    <message>
        <source>Link: opens the forum home page in your web browser</source>
        <translation>Enlace: abre la página principal del foro en tu navegador</translation>
    </message>
    <message>
        <source>Link: opens the page about co-branding in your web browser</source>
        <translation>Enlace: abre en tu navegador la página sobre marca compartida</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Comparte la marca de este programa con tu sitio y gana fidelidad y visitas. Pon aquí el nombre y el enlace de tu sitio (ver &quot;Ayuda&quot;). Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Link: opens the page about fully branded copies in your web browser</source>
        <translation>Enlace: abre en tu navegador la página sobre copias con tu propia marca</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en internet y gana dinero en línea. Obtén este programa con la marca de tu sitio web. Haz clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>Opens the report of this reading, to print it or save it</source>
        <translation>Abre el informe de esta lectura para imprimirlo o guardarlo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Returns to the main window for another reading</source>
        <translation>Vuelve a la ventana principal para hacer otra lectura</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Mayan Day Number / Galactic Tone</source>
        <translation>Número del día maya / Tono galáctico</translation>
    </message>
    <message>
        <source>Mayan Day Sign</source>
        <translation>Signo del día maya</translation>
    </message>
    <message>
        <source>Mayan Keywords</source>
        <translation>Palabras clave mayas</translation>
    </message>
    <message>
        <source>Mayan Gemstone</source>
        <translation>Piedra preciosa maya</translation>
    </message>
    <message>
        <source>Mayan Significance</source>
        <translation>Significado maya</translation>
    </message>
    <message>
        <source>English Name</source>
        <translation>Nombre en español</translation>
    </message>
    <message>
        <source>Famous Personalities</source>
        <translation>Personajes famosos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos en línea</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gana dinero en línea</translation>
    </message>
</context>
<context>
    <name>frmSave</name>
    <message>
        <source>Link: opens the forum home page in your web browser</source>
        <translation>Enlace: abre la página principal del foro en tu navegador</translation>
    </message>
    <message>
        <source>The Most Popular Online Tessaly Discussion Forum</source>
        <translation>El foro en línea más popular de Tessaly</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>The reading as a printable report</source>
        <translation>La lectura como informe para imprimir</translation>
    </message>
    <message>
        <source>Saves the name and date of birth to a reading file</source>
        <translation>Guarda el nombre y la fecha de nacimiento en un archivo de lectura</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Prints the report on the default printer</source>
        <translation>Imprime el informe en la impresora predeterminada</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Link: opens the page about co-branding in your web browser</source>
        <translation>Enlace: abre en tu navegador la página sobre marca compartida</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Comparte la marca de este programa con tu sitio y gana fidelidad y visitas. Pon aquí el nombre y el enlace de tu sitio (ver &quot;Ayuda&quot;). Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Link: opens the page about fully branded copies in your web browser</source>
        <translation>Enlace: abre en tu navegador la página sobre copias con tu propia marca</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en internet y gana dinero en línea. Obtén este programa con la marca de tu sitio web. Haz clic aquí para más detalles.</translation>
    </message>
</context>
<context>
    <name>tzk</name>
    <message>
        <source>&quot;%1&quot; is not a date in the form YYYY-MM-DD</source>
        <translation>&quot;%1&quot; no es una fecha con el formato AAAA-MM-DD</translation>
    </message>
    <message>
        <source>%1 lies outside the years 0001 to 9999</source>
        <translation>%1 está fuera de los años 0001 a 9999</translation>
    </message>
    <message>
        <source>%1 is not a date: there is no such day</source>
        <translation>%1 no es una fecha: ese día no existe</translation>
    </message>
    <message>
        <source>%1 in the Maya count (correlation %2, Goodman-Martinez-Thompson; the day runs from midnight to midnight)</source>
        <translation>%1 en la cuenta maya (correlación %2, Goodman-Martínez-Thompson; el día va de medianoche a medianoche)</translation>
    </message>
    <message>
        <source>Kin</source>
        <translation>Kin</translation>
    </message>
    <message>
        <source>%1 of 260</source>
        <translation>%1 de 260</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Day sign</source>
        <translation>Signo del día</translation>
    </message>
    <message>
        <source>Trecena</source>
        <translation>Trecena</translation>
    </message>
    <message>
        <source>opens on kin %1, 1 %2</source>
        <translation>empieza en el kin %1, 1 %2</translation>
    </message>
    <message>
        <source>Haab&apos;</source>
        <translation>Haab&apos;</translation>
    </message>
    <message>
        <source>Long Count</source>
        <translation>Cuenta Larga</translation>
    </message>
    <message>
        <source>Calendar Round</source>
        <translation>Rueda calendárica</translation>
    </message>
    <message>
        <source>Lord of the Night</source>
        <translation>Señor de la Noche</translation>
    </message>
    <message>
        <source>Year bearer</source>
        <translation>Portador del año</translation>
    </message>
    <message>
        <source>kin %1, %2 %3</source>
        <translation>kin %1, %2 %3</translation>
    </message>
    <message>
        <source>Correlation %1</source>
        <translation>Correlación %1</translation>
    </message>
    <message>
        <source>Dreamspell</source>
        <translation>Dreamspell</translation>
    </message>
    <message>
        <source>kin %1 (a count of its own)</source>
        <translation>kin %1 (una cuenta distinta)</translation>
    </message>
    <message>
        <source>The day before</source>
        <translation>El día anterior</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>none in the years 0001 to 9999</source>
        <translation>ninguno en los años 0001 a 9999</translation>
    </message>
    <message>
        <source>Not the reading: what other counts say about this day (some traditions count a birth between midnight and dawn with the day before):</source>
        <translation>No es la lectura: lo que dicen otras cuentas sobre este día (algunas tradiciones cuentan un nacimiento entre la medianoche y el amanecer con el día anterior):</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 aparece más de una vez</translation>
    </message>
    <message>
        <source>give one date at most, not %1</source>
        <translation>indica una fecha como máximo, no %1</translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation>el nombre tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>the name holds a control character</source>
        <translation>el nombre contiene un carácter de control</translation>
    </message>
    <message>
        <source>--returns takes a whole number from 1 to %1, not &quot;%2&quot;</source>
        <translation>--returns admite un número entero de 1 a %1, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--from and --ics go with --returns N</source>
        <translation>--from y --ics se usan con --returns N</translation>
    </message>
    <message>
        <source>--returns lists dates; --name and --explain go with a reading</source>
        <translation>--returns da una lista de fechas; --name y --explain se usan con una lectura</translation>
    </message>
    <message>
        <source>--ics and --json are two forms of output: choose one</source>
        <translation>--ics y --json son dos formas de salida: elige una</translation>
    </message>
    <message>
        <source>
Examples:
  tzolkara-cli 1975-03-14 --name Ann   the reading and the day for 14 March 1975
  tzolkara-cli --json --explain        today as JSON, with what other counts say
  tzolkara-cli 1975-03-14 --returns 5 --ics &gt; kin.ics
                                       the next five returns of that day&apos;s kin
</source>
        <translation>
Ejemplos:
  tzolkara-cli 1975-03-14 --name Ann   la lectura y el día del 14 de marzo de 1975
  tzolkara-cli --json --explain        hoy en JSON, con lo que dicen otras cuentas
  tzolkara-cli 1975-03-14 --returns 5 --ics &gt; kin.ics
                                       los próximos cinco retornos del kin de ese día
</translation>
    </message>
    <message>
        <source>The Maya day of a date in the years 0001 to 9999 and its reading, with the correlation %1.</source>
        <translation>El día maya de una fecha de los años 0001 a 9999 y su lectura, con la correlación %1.</translation>
    </message>
    <message>
        <source>Puts NAME at the top of the reading.</source>
        <translation>Pone NAME al principio de la lectura.</translation>
    </message>
    <message>
        <source>Writes the reading and the day as one JSON object.</source>
        <translation>Escribe la lectura y el día como un solo objeto JSON.</translation>
    </message>
    <message>
        <source>Adds what 584285, 584286, Dreamspell and the day before say.</source>
        <translation>Agrega lo que dicen 584285, 584286, Dreamspell y el día anterior.</translation>
    </message>
    <message>
        <source>The next N dates (1 to %1) with the kin of DATE.</source>
        <translation>Las próximas N fechas (de 1 a %1) con el kin de DATE.</translation>
    </message>
    <message>
        <source>Starts --returns at DATE instead of today.</source>
        <translation>Empieza --returns en DATE en lugar de hoy.</translation>
    </message>
    <message>
        <source>Writes those dates as an iCalendar file.</source>
        <translation>Escribe esas fechas como archivo iCalendar.</translation>
    </message>
    <message>
        <source>YYYY-MM-DD, 0001-01-01 to 9999-12-31; default today.</source>
        <translation>AAAA-MM-DD, de 0001-01-01 a 9999-12-31; hoy si se omite.</translation>
    </message>
</context>
<context>
    <name>tzk::Cli</name>
    <message>
        <source>tzolkara-cli: argument %1 is not valid UTF-8
</source>
        <translation>tzolkara-cli: el argumento %1 no es UTF-8 válido
</translation>
    </message>
    <message>
        <source>tzolkara-cli: the output could not be written
</source>
        <translation>tzolkara-cli: no se pudo escribir la salida
</translation>
    </message>
</context>
<context>
    <name>tzk::FrmAbout</name>
    <message>
        <source>Tzolkara is a Mayan astrology program that tells you your Mayan day sign and galactic tone number from your date of birth using the ancient calendar. It then gives a detailed interpretation of your sign, helping you understand your positive and negative traits so that you can build on your strengths, work on your weaknesses and improve yourself. All rights to this software are held by Tessaly Softwares.</source>
        <translation>Tzolkara es un programa de astrología maya que, con el antiguo calendario, te dice tu signo del día maya y el número de tu tono galáctico a partir de tu fecha de nacimiento. Luego interpreta tu signo en detalle y te ayuda a entender tus rasgos positivos y negativos, para que aproveches tus fortalezas, trabajes tus debilidades y te superes. Todos los derechos de este programa pertenecen a Tessaly Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Visítanos en %1</translation>
    </message>
</context>
<context>
    <name>tzk::FrmDay</name>
    <message>
        <source>Give one date, not several (%1 …). Showing today.</source>
        <translation>Indica una sola fecha, no varias (%1 …). Se muestra hoy.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date in the form YYYY-MM-DD. Showing today.</source>
        <translation>&quot;%1&quot; no es una fecha con el formato AAAA-MM-DD. Se muestra hoy.</translation>
    </message>
    <message>
        <source>There is no day %1. Showing today.</source>
        <translation>El día %1 no existe. Se muestra hoy.</translation>
    </message>
    <message>
        <source>%1 is before the year 100, the earliest this window shows. Showing today.</source>
        <translation>%1 es anterior al año 100, el primero que muestra esta ventana. Se muestra hoy.</translation>
    </message>
    <message>
        <source>%1 - Any Day</source>
        <translation>%1 - Cualquier día</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The day sign: its Maya name, then its name in the reader&apos;s language.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>The tone: its number, then its name.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 of 260</source>
        <translation>%1 de 260</translation>
    </message>
    <message>
        <source>1 %1 (kin %2), day %3 of 13</source>
        <translation>1 %1 (kin %2), día %3 de 13</translation>
    </message>
    <message>
        <source>Day sign: %1</source>
        <translation>Signo del día: %1</translation>
    </message>
    <message>
        <source>Tone: %1</source>
        <translation>Tono: %1</translation>
    </message>
    <message>
        <source>About the sign %1</source>
        <translation>Sobre el signo %1</translation>
    </message>
    <message>
        <source>About the tone %1</source>
        <translation>Sobre el tono %1</translation>
    </message>
    <message>
        <source>today</source>
        <translation>hoy</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>mañana</translation>
    </message>
    <message>
        <source>in %1 days</source>
        <translation>en %1 días</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A return of the kin: the date (a QDate format), then how far away it is.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>ddd d MMM yyyy</source>
        <translation>ddd d MMM yyyy</translation>
    </message>
    <message>
        <source>Next returns of kin %1</source>
        <translation>Próximos retornos del kin %1</translation>
    </message>
    <message>
        <source>Counted with the correlation %1; a day runs from midnight to midnight.</source>
        <translation>Calculado con la correlación %1; un día va de medianoche a medianoche.</translation>
    </message>
    <message>
        <source>Picture of the day sign %1</source>
        <translation>Imagen del signo del día %1</translation>
    </message>
    <message>
        <source>Picture of the tone %1 in bar-and-dot numerals</source>
        <translation>Imagen del tono %1 en numeración de barras y puntos</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exportar al calendario</translation>
    </message>
    <message>
        <source>Calendar Files (*.ics)</source>
        <translation>Archivos de calendario (*.ics)</translation>
    </message>
    <message>
        <source>The Calendar Could Not Be Saved.</source>
        <translation>No se pudo guardar el calendario.</translation>
    </message>
</context>
<context>
    <name>tzk::FrmExitScreen</name>
    <message>
        <source>Tessaly Softwares, such as this can be created and maintained only with your support. Please show your support by visiting our free online discussion forum site www.tessalyforum.com regularly and taking part in its discussions.</source>
        <translation>Programas de Tessaly Softwares como este solo pueden crearse y mantenerse con tu apoyo. Demuéstralo visitando con frecuencia nuestro foro gratuito www.tessalyforum.com y participando en sus conversaciones.</translation>
    </message>
    <message>
        <source>Please visit our forum site www.tessalyforum.com regularly and take part in its discussions. Our free programs cannot be maintained without your help, so every single visit you make is a great help to all of us.</source>
        <translation>Visita con frecuencia nuestro foro www.tessalyforum.com y participa en sus conversaciones. Nuestros programas gratuitos no pueden mantenerse sin tu ayuda, así que cada visita tuya es una gran ayuda para todos.</translation>
    </message>
    <message>
        <source>Our forum site www.tessalyforum.com is a free online discussion forum where you can ask questions, share ideas and meet other users. Do come and visit it today.</source>
        <translation>Nuestro sitio www.tessalyforum.com es un foro de discusión gratuito en línea donde puedes hacer preguntas, compartir ideas y conocer a otros usuarios. Ven a visitarlo hoy mismo.</translation>
    </message>
    <message>
        <source>Please help us by visiting our forum site www.tessalyforum.com regularly and taking part in its discussions. Every visit and every post keeps the forum alive and helps us keep making new programs.</source>
        <translation>Ayúdanos visitando con frecuencia nuestro foro www.tessalyforum.com y participando en sus conversaciones. Cada visita y cada mensaje mantienen vivo el foro y nos ayudan a seguir creando programas.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software, you may like to try the other programs made by Tessaly Softwares. We publish a set of free desktop tools for everyday use: a biorhythm chart maker, a numerology calculator, a Chinese zodiac guide, a moon phase calendar, a simple recipe organiser, a password-protected diary, a unit converter, a photo slideshow creator and several small puzzle games for the whole family. Each of them is light, easy to use and free of charge. You can browse the full list, read a short description of each program and download the ones you like from our program catalogue at www.tessalyforum.com.</source>
        <translation>Si te gustó este programa, quizá quieras probar los demás de Tessaly Softwares. Publicamos herramientas gratuitas de uso diario: un generador de biorritmos, una calculadora de numerología, una guía del zodiaco chino, un calendario lunar, un organizador de recetas, un diario con contraseña, un conversor de unidades, un creador de presentaciones de fotos y varios juegos de ingenio para toda la familia. Todos son ligeros, fáciles de usar y gratuitos. Puedes ver la lista completa, leer una breve descripción de cada uno y descargar los que te gusten en nuestro catálogo de programas en www.tessalyforum.com.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Haz clic para visitar %1</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo no puede contener espacios</translation>
    </message>
</context>
<context>
    <name>tzk::FrmMain</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Elige una fecha o un mes correctos!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Elige una fecha o un mes correctos!</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Elige el archivo de origen</translation>
    </message>
    <message>
        <source>Mayan Astrology (*.man)</source>
        <translation>Astrología maya (*.man)</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Revisa el archivo.</translation>
    </message>
</context>
<context>
    <name>tzk::FrmMayanResult</name>
    <message>
        <source>Day number: %1</source>
        <translation>Número del día: %1</translation>
    </message>
    <message>
        <source>Picture of the %1 tone, %2 in bar-and-dot numerals</source>
        <translation>Imagen del tono %1, el %2 en numeración de barras y puntos</translation>
    </message>
    <message>
        <source>Day sign: %1</source>
        <translation>Signo del día: %1</translation>
    </message>
    <message>
        <source>Picture of the day sign %1</source>
        <translation>Imagen del signo del día %1</translation>
    </message>
    <message>
        <source>Mayan Day Number</source>
        <translation>Número del día maya</translation>
    </message>
    <message>
        <source>Day Number Description</source>
        <translation>Descripción del número del día</translation>
    </message>
    <message>
        <source>Day Sign Description</source>
        <translation>Descripción del signo del día</translation>
    </message>
</context>
<context>
    <name>tzk::FrmSave</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Haz clic para visitar %1</translation>
    </message>
    <message>
        <source>The Report Could Not Be Printed.</source>
        <translation>No se pudo imprimir el informe.</translation>
    </message>
    <message>
        <source>No Printer Is Available.
Save The Report As A PDF File Instead?</source>
        <translation>No hay ninguna impresora disponible.
¿Quieres guardar el informe como archivo PDF?</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Some Characters Of The Name Cannot Be Saved: %1
Save The Reading Without Them?</source>
        <translation>Algunos caracteres del nombre no se pueden guardar: %1
¿Quieres guardar la lectura sin ellos?</translation>
    </message>
    <message>
        <source>Rich Text Format (*.man)</source>
        <translation>Formato de texto enriquecido (*.man)</translation>
    </message>
    <message>
        <source>The Reading Could Not Be Saved.</source>
        <translation>No se pudo guardar la lectura.</translation>
    </message>
    <message>
        <source>None Of The Letters Of The Name Can Be Kept In A Reading File.
The Reading Was Not Saved.</source>
        <translation>Ninguna letra del nombre se puede conservar en un archivo de lectura.
La lectura no se guardó.</translation>
    </message>
    <message>
        <source>And %1 More</source>
        <translation>y %1 más</translation>
    </message>
</context>
<context>
    <name>tzk::FrmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya está abierto</translation>
    </message>
</context>
<context>
    <name>tzk::MayaDay</name>
    <message>
        <source>%1 (kin %2) comes round</source>
        <translation>Vuelve %1 (kin %2)</translation>
    </message>
    <message>
        <source>Kin %1, %2, returns on this day in the 260-day count, reckoned with the correlation %3 (Goodman-Martinez-Thompson); the day runs from civil midnight to midnight.</source>
        <translation>El kin %1, %2, vuelve este día en la cuenta de 260 días, calculada con la correlación %3 (Goodman-Martínez-Thompson); el día va de medianoche a medianoche.</translation>
    </message>
</context>
<context>
    <name>tzk::PictureList</name>
    <message>
        <source>:</source>
        <extracomment>The resource folder of the sign and tone pictures with their names in this language, such as &quot;:/es&quot;; &quot;:&quot; where there are none</extracomment>
        <translation>:/es</translation>
    </message>
</context>
<context>
    <name>tzk::QtPlatform</name>
    <message>
        <source>%1
This file is read-only. Please choose another name.</source>
        <translation>%1
Este archivo es de solo lectura. Elige otro nombre.</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>No hay ninguna impresora disponible.</translation>
    </message>
    <message>
        <source>The printer %1 could not be started.</source>
        <translation>No se pudo iniciar la impresora %1.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La impresora informó un error.</translation>
    </message>
    <message>
        <source>The PDF file could not be made.</source>
        <translation>No se pudo crear el archivo PDF.</translation>
    </message>
</context>
<context>
    <name>tzk::ReadingWindow</name>
    <message>
        <source>The Most Popular Online Tessaly Discussion Forum. Click Here To Visit %1 Now.</source>
        <translation>El foro en línea más popular de Tessaly. Haz clic aquí para visitar %1.</translation>
    </message>
</context>
<context>
    <name>tzk::ReferAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escribe dos direcciones de correo distintas</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escribe una dirección de correo válida</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escribe tu correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escribe el nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escribe el correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo de tu amigo</translation>
    </message>
</context>
<context>
    <name>tzk::RegularFile</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 no es un archivo común.</translation>
    </message>
    <message>
        <source>The file still holds what it held before.</source>
        <translation>El archivo conserva lo que tenía antes.</translation>
    </message>
    <message>
        <source>The file could not be put back as it was and may be damaged.</source>
        <translation>No se pudo devolver el archivo a su estado anterior y puede estar dañado.</translation>
    </message>
    <message>
        <source>%1 is too large to be replaced here. Please choose another name.</source>
        <translation>%1 es demasiado grande para reemplazarlo aquí. Elige otro nombre.</translation>
    </message>
</context>
<context>
    <name>tzk::Report</name>
    <message>
        <source>Report Generated By %1</source>
        <translation>Informe generado por %1</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>Fecha de nacimiento: </translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>Mayan Day Number / Galactic Tone</source>
        <translation>Número del día maya / Tono galáctico</translation>
    </message>
    <message>
        <source>Mayan Number: </source>
        <translation>Número maya: </translation>
    </message>
    <message>
        <source>Mayan Day Number&apos;s Description: </source>
        <translation>Descripción del número del día: </translation>
    </message>
    <message>
        <source>Mayan Day Signs</source>
        <translation>Signos del día mayas</translation>
    </message>
    <message>
        <source>Mayan Day Sign: </source>
        <translation>Signo del día maya: </translation>
    </message>
    <message>
        <source>Mayan Gemstone: </source>
        <translation>Piedra preciosa maya: </translation>
    </message>
    <message>
        <source>Mayan Keywords: </source>
        <translation>Palabras clave mayas: </translation>
    </message>
    <message>
        <source>Mayan Significance: </source>
        <translation>Significado maya: </translation>
    </message>
    <message>
        <source>Mayan Day Sign&apos;s Description: </source>
        <translation>Descripción del signo del día: </translation>
    </message>
    <message>
        <source>Other Mayan Details</source>
        <translation>Otros datos mayas</translation>
    </message>
    <message>
        <source>Mayan English Name: </source>
        <translation>Nombre en español: </translation>
    </message>
    <message>
        <source>Famous Personalities born under this sign: </source>
        <translation>Personajes famosos nacidos bajo este signo: </translation>
    </message>
</context>
<context>
    <name>tzk::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Es posible que haya una actualización de este programa.<byte value="xd"/>¿Quieres buscarla ahora?</translation>
    </message>
</context>
<context>
    <name>tzk::Window</name>
    <message>
        <source>%1 v%2</source>
        <translation>%1 v%2</translation>
    </message>
</context>
</TS>
