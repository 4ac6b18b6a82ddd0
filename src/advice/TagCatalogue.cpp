#include "TagCatalogue.h"

namespace
{
    juce::String utf8 (const char* text)
    {
        return juce::String (juce::CharPointer_UTF8 (text));
    }

    struct TagText
    {
        const char* code;   // legacy four-letter code, nullptr when the old format had none
        const char* englishName;
        const char* frenchName;
        const char* englishDescription;
        const char* frenchDescription;
    };

    struct CategoryText
    {
        const char* englishName;
        const char* frenchName;
        const char* englishDescription;
        const char* frenchDescription;
    };

    // The order of every table below is part of the set file format: a tag's id is
    // its category base plus its position here.

    // Abstraction level, ids 0 to 2.
    const TagText abstractionTags[] =
    {
        { "ABST", "Abstract", "Abstrait",
          "Indicates a highly abstract level. The advice can have a lot of meanings, and can be applied to various situations. Example: \"the blue colour\".",
          "Indique un niveau d'abstraction élevé. Le conseil a une interprétation très ouverte, et peut être appliqué dans un cadre ouvert lui aussi. Exemple: \"la couleur bleue\"." },
        { "KBRK", "Kindlebrook", "Kindlebrook",
          "Indicates an average abstraction level. The advice can have several meanings, but can be executed in a few situations. Any invitation to ask oneself a question, or new song idea, should be associated with this attribute. Example: \"what if this song told a story?\".",
          "Indique un niveau d'abstraction moyen. Le conseil a une interprétation ouverte, mais peut être appliqué dans un cadre limité. Toute proposition de questionnement, ou d'idée pour un nouveau morceau devrait être associée à cet attribut. Exemple: \"et si ce morceau racontait une histoire ?\"." },
        { "CREA", "Creativity", "Créativité",
          "Indicates a low abstraction level. The advice is precise, its interpretation clear, and its application frame very closed. Example: \"write a 7/4 section\".",
          "Indique un niveau d'abstraction faible. Le conseil est précis, son interprétation est claire, et son cadre d'application fermé. Exemple: \"écris une section en 7/4\"." }
    };

    // Function, ids 100 to 105.
    const TagText functionTags[] =
    {
        { nullptr, "Starting", "Démarrage",
          "This tag is associated with advice regarding how to start something, a musical project, a recording, a main concept etc. Example: \"create something epic\".",
          "Ce tag s'applique aux conseils permettant de démarrer un projet de composition, de mixage, d'enregistrement, de concept etc. Exemple: \"fais quelque chose d'épique\"." },
        { nullptr, "Continuation", "Développement",
          "This tag is associated with advice regarding how to continue or develop something. Example: \"remove the verses\".",
          "Ce tag s'applique aux conseils permettant de compléter une idée, de développer un concept, d'aller plus loin dans ce qui a déjà été écrit. Exemple: \"supprime les refrains\"." },
        { nullptr, "Ending", "Fin",
          "This tag is associated with advice regarding how to finish a work, an idea, and start something again after. Example: \"the best conclusion may be no conclusion\".",
          "Ce tag s'applique aux conseils permettant de terminer un travail, de finaliser une idée, et de passer à autre chose ensuite. Exemple: \"la meilleure conclusion c'est pas de conclusion\"." },
        { nullptr, "Song ideas", "Idées de morceaux",
          "This tag may be used to create lists of new song ideas. Example: \"create an album of math-zouk music\".",
          "Ce tag peut être utilisé pour créer des listes d'idées de morceaux à composer. Exemple: \"créer un album de math-zouk\"." },
        { nullptr, "Learning plan", "Apprentissage",
          "This tag may be used in a learning context, to generate exercises in a musical work plan. Example: \"five minutes of A dorian scales\".",
          "Ce tag peut être utilisé dans un contexte d'apprentissage de la musique, d'un instrument de musique, pour générer un programme de travail particulier. Exemple: \"5 minutes de gamme de la dorien en doubles croches\"." },
        { nullptr, "Musical repertoire", "Répertoire musical",
          "This tag may be used to generate a list of songs included in a musical repertoire, to work or to rehearse. Example: \"the guitar solo of Stairway to Heaven\".",
          "Ce tag peut être utilisé pour générer une liste de morceaux faisant partie d'un répertoire musical à travailler. Exemple: \"le solo de guitare de Stairway to Heaven\"." }
    };

    // Music instruments, ids 200 to 215.
    const TagText instrumentTags[] =
    {
        { "GUIT", "Guitars", "Guitares",
          "Indicates that the advice is about how to use acoustic guitars, electric guitars, sitars, banjos etc. Example: \"life can be expressed with only six strings\".",
          "Indique que le conseil concerne tout ce qui est guitares acoustiques, électriques, cithares, banjos, ukulélés etc. Exemple: \"la vie peut s'exprimer avec seulement 6 cordes\"." },
        { "BASS", "Bass", "Basses",
          "Indicates that the advice is about how to use electric and acoustic bass, or synthetic bass sounds in general. Example: \"sidechain compressed bass sound forever\".",
          "Indique que le conseil concerne tout ce qui est basses électriques, acoustiques, contrebasses etc., mais aussi tous les sons synthétiques qui remplissent le bas de l'espace des fréquences. Exemple: \"basse compressée en sidechain forever\"." },
        { "DRUM", "Drums", "Batteries",
          "Indicates that the advice is about how to use acoustic and electronic drumkits in general. Example: \"what can a drummer with four hands do?\"",
          "Indique que le conseil concerne tout ce qui est sons de batterie acoustiques ou synthétiques, et aussi tous les sons qui ont une fonction rythmique forte. Exemple: \"que ferait un vrai batteur à 4 bras ?\"" },
        { "PERC", "Percussions", "Percussions",
          "Indicates that the advice is about how to use any percussive instrument or sound. Example: \"how might an acoustic version of that tune sound, played on a beach?\".",
          "Indique que le conseil concerne tous les instruments ou sons de percussions. Exemple: \"que donnerait ce morceau en version acoustique jouée sur la plage ?\"." },
        { "KEYS", "Keyboards", "Claviers",
          "Indicates that the advice is about how to use any keyboard instrument, such as piano, organ, clavinet, chromatic percussions, or lead synthesized sounds. Example: \"band with three keyboardists\".",
          "Indique que le conseil concerne tous les instruments de type clavier, tels que le piano, l'orgue, le clavecin, ainsi que tous les sons disponibles sur les claviers électroniques, les sons de synthétiseurs de type \"Lead\" notamment, ou encore les percussions chromatiques. Exemple: \"super groupe de 3 claviéristes\"." },
        { "SYNT", "Sound synthesis", "Synthèse sonore",
          "Indicates that the advice is about how to use any sounds generated with sound synthesis. Example: \"more modulation on waveforms\".",
          "Indique que le conseil concerne tous les sons générés par synthèse sonore, quel que soit le type de synthèse. Exemple: \"plus de modulation sur les formes d'onde\"." },
        { "MACH", "Devices", "Machines",
          "Indicates that the advice is about how to use any hardware musical instrument, such as samplers, rhythm beat boxes, recorders, workstations etc. Example: \"do everything without a computer\".",
          "Indique que le conseil concerne tous les instruments de musique de type \"hardware\", comme les samplers, les boîtes à rythmes, enregistreurs multi-pistes, séquenceurs hardware, platines etc. Exemple: \"fais tout sans ordinateur\"." },
        { "BRAS", "Brass", "Cuivres",
          "Indicates that the advice is about how to use any brass instrument, such as trumpets, horns, tubas, or any synthesized brass-like sounds. Example: \"more brass\".",
          "Indique que le conseil concerne tous les instruments de la catégorie des cuivres, comme les trompettes, les cors, les trombones, les tubas, ou encore les sons synthétiques qui tentent de se rapprocher des sons de cuivres. Exemple: \"plus de cuivres\"." },
        { "WOOD", "Woodwinds", "Vents",
          "Indicates that the advice is about how to use any woodwind instrument, such as clarinets, flutes, or any synthesized woodwind-like sounds. Example: \"more woodwinds\".",
          "Indique que le conseil concerne tous les instruments à vent, ou encore les sons synthétiques se rapprochant de sons d'instruments à vent. Exemple: \"plus de vents\"." },
        { "STRI", "Strings", "Cordes",
          "Indicates that the advice is about how to use any string instrument, in particular the ones from symphonic orchestras, such as violins, cellos, or string ensembles synthesized sounds. Example: \"have you thought about adding strings?\"",
          "Indique que le conseil concerne tous les instruments à cordes, notamment les instruments à cordes des orchestres symphoniques, comme les violons, altos, violoncelles, ou encore les sons de synthèse qui se rapprochent des ensembles de cordes. Exemple: \"as-tu pensé à rajouter des cordes ?\"" },
        { "ORCH", "Orchestras", "Orchestres",
          "Indicates that the advice is associated with orchestras, bands, such as symphonic orchestras or jazz/world music big bands. Example: \"batucada !\"",
          "Indique que le conseil concerne les formations orchestrales, les groupes d'instruments, les orchestres symphoniques, les big bands de jazz ou de musiques du monde. Exemple: \"batucada !\"" },
        { "SING", "Vocals", "Chant",
          "Indicates that the advice is associated with vocals, choirs and any human voice-like synthesized sounds. Example: \"vocals solo\".",
          "Indique que le conseil concerne le chant, les voix, les choeurs, les sons synthétiques qui se rapprochent de la voix humaine etc. Exemple: \"solo de voix\"." },
        { "NOIS", "Sound FX", "Bruitages",
          "Indicates that the advice is associated with noises, and sound effects. Example: \"add a lot of explosions\".",
          "Indique que le conseil est associé aux bruitages, et aux effets spéciaux. Exemple: \"rajoute des explosions\"." },
        { "XXXX", "Sampling", "Sampling",
          "Indicates that the advice is associated with sampling, meaning the art of using sound recordings creatively to generate new musical material.",
          "Indique que le conseil concerne le sampling, c'est-à-dire l'art d'utiliser de manière créative des enregistrements sonores comme matériau pour de nouveaux morceaux." },
        { "XXXX", "Controllers", "Contrôleurs",
          "Indicates that the advice is related to controllers in general, used to create music or to change the parameters of any musical process, from MIDI keyboards to pad controllers, smartphones, mixing tables or DJ decks.",
          "Indique que le conseil concerne les contrôleurs au sens large, utilisés pour créer de la musique ou pour modifier les paramètres de n'importe quel processus musical, des claviers MIDI aux contrôleurs à pads, en passant par les smartphones, les tables de mixage ou les platines de DJ." },
        { "OTHI", "Other instruments", "Autres instruments",
          "Indicates that the advice is associated with other musical instruments or sound sources.",
          "Indique que le conseil concerne des instruments de musique ou des sources sonores qui ne rentrent dans aucune autre catégorie. Exemple: \"introduction à la guimbarde\"." }
    };

    // Music genres, ids 300 to 323.
    const TagText genreTags[] =
    {
        { "POPR", "Pop", "Pop",
          "Indicates that the advice is associated with pop music, a popular genre ranging from the classic pop bands to R&B, dance music and rock n roll. Example: \"what may enlarge the audience of your music?\".",
          "Indique que le conseil s'applique dans un contexte pop, un style populaire à vocation commerciale qui va des groupes pop classiques au R&B, à la musique dance et au rock and roll. Exemple: \"qu'est-ce qui peut élargir l'audience de ta musique ?\"." },
        { "ROCK", "Rock", "Rock",
          "Indicates that the advice is associated with rock music, played by guitars and drums, and influenced by blues and pop music. Example: \"how can you bring more groupies to your next show?\"",
          "Indique que le conseil s'applique dans un contexte rock, c'est-à-dire contenant le plus souvent des guitares et une batterie, qui puise ses influences dans le blues et la pop. Exemple: \"qu'est-ce qui peut amener des groupies à tes futurs concerts ?\"" },
        { "META", "Metal", "Métal",
          "Indicates that the advice is associated with hard rock and metal music, played by heavy guitars, powerful drums, and some aggressiveness. Example: \"could this song find its place in a rhythm video game?\"",
          "Indique que le conseil s'applique dans un contexte hard rock ou métal, c'est-à-dire contenant notamment une batterie, des guitares saturées, et une certaine agressivité. Exemple: \"ce morceau aurait-il sa place dans un jeu vidéo de rythme ?\"" },
        { "BLUE", "Blues", "Blues",
          "Indicates that the advice is associated with blues influenced music, with characteristic harmonic signatures and chords. Example: \"how would a famous blues guitarist have played this part?\"",
          "Indique que le conseil s'applique dans un contexte blues, avec sa grille d'accords très caractéristique et ses grandes influences." },
        { "JAZZ", "Jazz", "Jazz",
          "Indicates that the advice may be applied in a jazz context, with enriched harmony, and improvised sections. ",
          "Indique que le conseil s'applique dans un contexte jazz, avec des harmonies enrichies, des grilles d'accord plus ou moins complexes, et une part importante d'improvisation." },
        { "PGRK", "Progressive", "Progressif",
          "Indicates that the advice is associated with progressive music, influenced by the classic progressive rock bands and by their modern successors.",
          "Indique que le conseil s'applique dans un contexte inspiré du rock progressif, de ses groupes classiques comme de ses groupes modernes." },
        { "SOUL", "Soul/Gospel/R&B", "Soul/Gospel/R&B",
          "Indicates that the advice is associated with soul music and its derivatives, such as rhythm and blues or gospel.",
          "Indique que le conseil s'applique dans un contexte inspiré de la soul et de ses dérivés proches, comme le R&B ou encore le gospel." },
        { "FUNK", "Funk", "Funk",
          "Indicates that the advice is associated with Funk music and its derivatives, such as disco.",
          "Indique que le conseil s'applique dans un contexte musical inspiré du funk, voire du disco." },
        { "HIPH", "Hip Hop", "Hip Hop",
          "Indicates that the advice is associated with hip hop music and culture, hip hop way of singing etc.",
          "Indique que le conseil s'applique dans un contexte inspiré du hip-hop et de ses dérivés, caractérisé notamment par le chant rappé." },
        { "TRPH", "Trip Hop", "Trip Hop",
          "Indicates that the advice is associated with trip hop music and the artists who shaped it.",
          "Indique que le conseil s'applique dans un contexte inspiré du trip-hop et de ses dérivés." },
        { "ELEC", "Electronica", "Electronica",
          "Indicates that the advice is related to electronic music genres in general.",
          "Indique que le conseil s'applique dans un contexte de musiques électroniques au sens large." },
        { "TECH", "Techno/House/Dubstep", "Techno/House/Dubstep",
          "Indicates that the advice is related to commercial electronic music genres such as Techno, House or Dubstep.",
          "Indique que le conseil s'applique dans un contexte de musiques électroniques de type Techno/House/Dubstep." },
        { "REGG", "Reggae", "Reggae",
          "Indicates that the advice is related to reggae music and culture, with its musical codes, such as the choice of some instruments and rhythmic signature.",
          "Indique que le conseil s'applique dans un contexte reggae, avec des caractéristiques particulières dans le choix des sons et des instruments, ou encore l'utilisation systématique des contre-temps." },
        { "XXXX", "Latin music", "Musiques latines",
          "Indicates that the advice is related to latin american music, such as reggaeton, salsa, merengue, tango, etc.",
          "Indique que le conseil s'applique dans un contexte de musiques latines, comme le reggaeton, la salsa, la merengue, le tango, etc." },
        { "EXPL", "Experimental", "Expérimental",
          "Indicates that the advice is associated with experimental kinds of music.",
          "Indique que le conseil s'applique dans un contexte musical expérimental." },
        { "SONG", "Songs", "Chansons",
          "Indicates that the advice is associated with songs, which means music where the singing and the content of vocals are very important.",
          "Indique que le conseil s'applique pour écrire des chansons, c'est-à-dire des morceaux de musique axés autour de la voix et de l'écriture des textes." },
        { "HITS", "Hits", "Tubes",
          "Indicates that the advice is associated with the creation of very commercial music. Example: \"do you think you may win a lot of money with your music?\"",
          "Indique que le conseil s'applique dans un contexte de création de musique commerciale, dont le but est d'entrer dans les classements des ventes et de connaître un succès commercial. Exemple: \"pourrais-tu gagner beaucoup d'argent avec ta musique ?\"" },
        { "CLAS", "Classical", "Classique",
          "Indicates that the advice is related to classical and ancient music, based on occidental traditions and the intensive use of a theoretical musical knowledge.",
          "Indique que le conseil s'applique dans un contexte de création de musique classique ou ancienne, basée sur des traditions occidentales et sur l'utilisation d'un certain savoir musical théorique." },
        { "OSTG", "Soundtracks", "Musiques de films",
          "Indicates that the advice is associated with movie, game or ad soundtracks.",
          "Indique que le conseil s'applique dans un contexte de création de musique pour les films ou les jeux vidéo." },
        { "CONT", "Avant-garde", "Contemporain",
          "Indicates that the advice is associated with avant-garde music and the composers who shaped it.",
          "Indique que le conseil s'applique dans un contexte de création de musique contemporaine. " },
        { "TRAD", "Traditional", "Traditionnel",
          "Indicates that the advice is related to traditional music genres, which means music associated with a specific country, culture, with codes passed on orally.",
          "Indique que le conseil s'applique dans un contexte de musiques traditionnelles, associées à des pays ou à des cultures particulières, avec des codes transmis le plus souvent oralement." },
        { "INST", "Instrumental", "Instrumental",
          "Indicates that the advice is related to instrumental songs, i.e. without vocals.",
          "Indique que le conseil s'applique dans un contexte de musiques instrumentales, c'est-à-dire ne contenant pas de chant." },
        { "ILLU", "Sound illustration", "Illustration sonore",
          "Indicates that the advice is related to sound illustration, i.e. any soundtrack for ads, movies or video games which can't be considered as music alone.",
          "Indique que le conseil s'applique dans un contexte d'illustration sonore, par exemple pour des publicités, des films ou des jeux vidéo." },
        { nullptr, "Other genres", "Autres styles",
          "Indicates that the advice is associated with music genres which are not included in one of the previous categories.",
          "Indique que le conseil s'applique dans un contexte musical qui ne rentre dans aucune des catégories citées précédemment." }
    };

    // Research themes, ids 400 to 417.
    const TagText themeTags[] =
    {
        { "MOTI", "Motivation", "Motivation",
          "Indicates that the advice is related to the motivation question, i.e. everything which can help artists to create music and to go to the end of their projects. Example: \"courage !\"",
          "Indique que le conseil est associé à la problématique de la motivation, c'est-à-dire à tout ce qui peut donner envie aux utilisateurs de s'adonner à la création musicale et d'aller au bout de leurs projets. Exemple: \"courage !\"" },
        { "PROD", "Productivity", "Productivité",
          "Indicates that the advice is related to productivity, i.e. everything which can help artists to create music more efficiently, with less effort, in less time, and with more results. Example: \"best is the enemy of good\".",
          "Indique que le conseil est associé à la problématique de la productivité, c'est-à-dire à tout ce qui permet aux utilisateurs de travailler sur leur musique de manière plus efficace, et de produire une quantité de résultats plus importante en moins de temps. Exemple: \"le mieux est l'ennemi du bien\"." },
        { "COMP", "Composing", "Composition",
          "Indicates that the advice is about composing music, creating new songs, developing ideas etc.",
          "Indique que le conseil est associé à la problématique de la composition musicale, c'est-à-dire à tout ce qui concerne la génération de nouvelles idées, de nouveaux morceaux musicaux etc. " },
        { "STRU", "Structure", "Structure",
          "Indicates that the advice is about the structure of a song, i.e. how its different sections have been created, such as verses, introductions, instrumental parts etc.",
          "Indique que le conseil est associé à la problématique de la structure d'un morceau, c'est-à-dire à l'agencement de ses différentes parties, telles que les couplets, refrains, introductions, solos etc." },
        { "ARRA", "Arranging", "Arrangements",
          "Indicates that the advice is about arranging, i.e. how to choose the best instruments to play the different parts, in a logic and musical way.",
          "Indique que le conseil concerne les arrangements d'un morceau, par exemple la meilleure façon de choisir les instruments qui jouent les différentes parties instrumentales d'un morceau de musique." },
        { "HARM", "Harmony", "Harmonie",
          "Indicates that the advice is about the harmony of a song, the choice of tonality, chords etc.",
          "Indique que le conseil concerne l'harmonie, c'est-à-dire le choix des tonalités, de la grille d'accord etc." },
        { "MELO", "Melody", "Mélodie",
          "Indicates that the advice is about the melodies of a song, which means how to choose the notes of each musical part, corresponding to a harmonic context, to explain an idea, to give some sense to the musical speech etc.",
          "Indique que le conseil concerne la mélodie, c'est-à-dire l'art de sélectionner les notes qui correspondent au contexte harmonique, qui permettent d'exprimer une idée, ou encore de donner du sens et une accroche à un discours musical." },
        { "RHYT", "Rhythm", "Rythme",
          "Indicates that the advice is about the rhythm, meaning the time positioning of musical events.",
          "Indique que le conseil concerne le rythme, c'est-à-dire l'agencement temporel des événements musicaux." },
        { "LYRI", "Lyrics", "Textes",
          "Indicates that the advice is about lyrics, how to write them, how to sing them etc.",
          "Indique que le conseil concerne l'écriture ou le chant de textes." },
        { "APPR", "Playing", "Jeu instrumental",
          "Indicates that the advice is about how to play a musical instrument, how to learn to be a better musician etc.",
          "Indique que le conseil concerne la technique instrumentale, c'est-à-dire tout ce qui a trait à l'apprentissage d'un instrument de musique, ou encore à l'usage d'effets de jeu particuliers, à la mise en place etc." },
        { "IMPR", "Improvisation", "Improvisation",
          "Indicates that the advice is about improvisation, i.e. all the techniques allowing to create in real-time a musical speech, following rules such as series of chords or a musical accompaniment.",
          "Indique que le conseil est associé à l'improvisation, et à toutes les techniques qui permettent de créer, d'inventer un discours musical en temps-réel, en suivant des règles prédéfinies telles qu'une grille d'accord etc." },
        { "PERF", "Performance", "Interprétation",
          "Indicates that the advice is about performance and interpretation, meaning the different ways to play a specific score, on stage, for a recording, during rehearsals etc.",
          "Indique que le conseil est associé à l'interprétation, c'est-à-dire aux différentes manières de jouer une partition donnée, un répertoire avec un groupe de musique, un concert ou des répétitions etc." },
        { "RECO", "Recording", "Enregistrement",
          "Indicates that the advice is about all the different sides of the recording of a musical performance.",
          "Indique que le conseil est associé à tous les aspects de l'enregistrement de la performance d'un musicien, de la prise de son à la mise en valeur du résultat." },
        { "MIXA", "Mixing", "Mixage",
          "Indicates that the advice is associated with mixing, mastering, and music producing in general.",
          "Indique que le conseil est associé au mixage, au mastering, et à la production de la musique en général." },
        { "PDBS", "Business", "Business",
          "Indicates that the advice is associated with the business side of music, meaning everything related to the promotion of music, to make it known and to get financial gains from it.",
          "Indique que le conseil est associé à la partie business et auto-production de la musique, c'est-à-dire à tout ce qui permet de faire connaître sa musique et d'en tirer un profit financier ou une reconnaissance." },
        { "PRGS", "Sound Design", "Sound Design",
          "Indicates that the advice is associated with sound design, meaning everything allowing the creation of innovative sounds, from sound synthesis or any recorded sound in general.",
          "Indique que le conseil est associé au \"sound design\", c'est-à-dire à la création de sons nouveaux, de textures sonores, en utilisant le son d'instruments de musique quelconques, de synthétiseurs, de bruitages etc." },
        { "XXXX", "Effects", "Effets",
          "Indicates that the advice is related to the use of analog and digital effects, for mixing or in a creative way.",
          "Indique que le conseil concerne l'utilisation d'effets numériques ou analogiques, pour le mixage ou d'une manière créative." },
        { "SFTW", "Music software", "Logiciels de musique",
          "Indicates that the advice is related to the use of music creation software in general.",
          "Indique que le conseil concerne l'utilisation de logiciels musicaux au sens large." }
    };

    const CategoryText categories[] =
    {
        { "Abstraction level", "Niveau d'abstraction",
          "Defines the abstraction level, associated with the number of interpretations available, and the places where the advice can be executed.",
          "Définit le niveau d'abstraction du conseil, noté sur 3 paliers, associé à l'ouverture de l'interprétation du conseil, et du cadre dans lequel on peut appliquer ce conseil." },
        { "Function", "Fonction",
          "Tells at what time of the current work the advice can be used. This classification helps to organise a piece of work from its very first idea to its end.",
          "Indique à quel moment du travail en cours le conseil peut être utilisé. Cette classification aide à organiser un travail depuis sa toute première idée jusqu'à son aboutissement." },
        { "Music instruments", "Instruments de musique",
          "Some advice may be related to one or more musical instruments in particular.",
          "Certains conseils peuvent avoir un champ d'application préférentiel associé à un ou plusieurs instruments de musique particuliers. C'est pour ces conseils que cette catégorie a été créée." },
        { "Music genres", "Styles de musique",
          "Some advice may have applications related to one or several music genres. This is why this category has been created.",
          "Certains conseils peuvent avoir un champ d'application préférentiel associé à un ou plusieurs styles de musique particuliers. C'est pour ces conseils que cette catégorie a été créée." },
        { "Research themes", "Thèmes de recherche",
          "Some tags may be associated with recurring themes in the several phases of musical creation.",
          "Certains tags peuvent être associés à des thèmes récurrents durant les différentes phases de création musicale." }
    };

    struct CategoryTags
    {
        const TagText* tags;
        int numTags;
    };

    const CategoryTags categoryTags[] =
    {
        { abstractionTags, juce::numElementsInArray (abstractionTags) },
        { functionTags,    juce::numElementsInArray (functionTags) },
        { instrumentTags,  juce::numElementsInArray (instrumentTags) },
        { genreTags,       juce::numElementsInArray (genreTags) },
        { themeTags,       juce::numElementsInArray (themeTags) }
    };

    static_assert (juce::numElementsInArray (abstractionTags) == 3
                    && juce::numElementsInArray (functionTags) == 6
                    && juce::numElementsInArray (instrumentTags) == 16
                    && juce::numElementsInArray (genreTags) == 24
                    && juce::numElementsInArray (themeTags) == 18,
                   "set files store tag ids, so no category may grow or shrink");

    static_assert (juce::numElementsInArray (categories) == TagCatalogue::numCategories, "one text entry per category");
    static_assert (juce::numElementsInArray (categoryTags) == TagCatalogue::numCategories, "one tag table per category");

    // The old format listed its codes instruments first, then genres, abstraction and themes.
    // Look-up takes the first match, so the placeholder XXXX always resolves to Sampling (213).
    const int legacyCodeCategoryOrder[] = { 2, 3, 0, 4 };

    void fillNames (juce::StringArray& names, const CategoryTags& category, bool english)
    {
        names.clearQuick();

        for (int i = 0; i < category.numTags; ++i)
            names.add (utf8 (english ? category.tags[i].englishName : category.tags[i].frenchName));
    }
}

//==============================================================================
TagCatalogue::TagCatalogue()
{
    rebuild (true);

    for (auto categoryIndex : legacyCodeCategoryOrder)
    {
        const auto& category = categoryTags[categoryIndex];

        for (int i = 0; i < category.numTags; ++i)
        {
            if (category.tags[i].code != nullptr)
                idOfLowerCaseCode.emplace (juce::String (category.tags[i].code).toLowerCase(), categoryIndex * 100 + i);
        }
    }
}

void TagCatalogue::rebuild (bool english)
{
    tagDescriptions.clearQuick();
    categoryDescriptions.clearQuick();

    for (const auto& category : categoryTags)
        for (int i = 0; i < category.numTags; ++i)
            tagDescriptions.add (utf8 (english ? category.tags[i].englishDescription
                                               : category.tags[i].frenchDescription));

    for (const auto& category : categories)
        categoryDescriptions.add (utf8 (english ? category.englishDescription : category.frenchDescription));

    languageNames.clearQuick();
    languageNames.add (utf8 (english ? "French" : "Français"));
    languageNames.add (utf8 (english ? "English" : "Anglais"));

    fillNames (abstractionNames, categoryTags[0], english);
    fillNames (functionNames,    categoryTags[1], english);
    fillNames (instrumentNames,  categoryTags[2], english);
    fillNames (genreNames,       categoryTags[3], english);
    fillNames (themeNames,       categoryTags[4], english);

    categoryNames.clearQuick();

    for (const auto& category : categories)
        categoryNames.add (utf8 (english ? category.englishName : category.frenchName));
}

//==============================================================================
const juce::StringArray* TagCatalogue::getNamesOfCategory (int categoryIndex) const
{
    switch (categoryIndex)
    {
        case 0:  return &abstractionNames;
        case 1:  return &functionNames;
        case 2:  return &instrumentNames;
        case 3:  return &genreNames;
        case 4:  return &themeNames;
        default: return nullptr;
    }
}

int TagCatalogue::getFlatPosition (int tagId) const
{
    // Integer division would put -1 … -99 in category 0, so negatives are refused first.
    if (tagId < 0)
        return -1;

    const auto categoryIndex = tagId / 100;
    const auto* names = getNamesOfCategory (categoryIndex);

    if (names == nullptr || tagId % 100 >= names->size())
        return -1;

    auto position = tagId % 100;

    for (int i = 0; i < categoryIndex; ++i)
        position += getNamesOfCategory (i)->size();

    return position;
}

juce::String TagCatalogue::getTagName (int tagId) const
{
    if (getFlatPosition (tagId) < 0)
        return {};

    return (*getNamesOfCategory (tagId / 100))[tagId % 100];
}

juce::String TagCatalogue::getTagDescription (int tagId) const
{
    // An id past the end of its category must not borrow the next category's first description.
    const auto position = getFlatPosition (tagId);
    return position < 0 ? juce::String() : tagDescriptions[position];
}

juce::String TagCatalogue::getCategoryName (int categoryIndex) const
{
    return juce::isPositiveAndBelow (categoryIndex, numCategories) ? categoryNames[categoryIndex] : juce::String();
}

juce::String TagCatalogue::getCategoryDescription (int categoryIndex) const
{
    return juce::isPositiveAndBelow (categoryIndex, numCategories) ? categoryDescriptions[categoryIndex] : juce::String();
}

juce::StringArray TagCatalogue::getCategoryTagNames (int categoryIndex) const
{
    if (categoryIndex == numCategories)
        return languageNames;

    if (const auto* names = getNamesOfCategory (categoryIndex))
        return *names;

    return {};
}

int TagCatalogue::getTagIdFromCode (const juce::String& code) const
{
    const auto found = idOfLowerCaseCode.find (code.toLowerCase());
    return found == idOfLowerCaseCode.end() ? 0 : found->second;
}
