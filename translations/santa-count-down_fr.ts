<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Counts down to Christmas: once a second, one window shows the time left until
midnight at the start of 25 December in days, hours, minutes and seconds, with
the date, the time and a picture for the day.

A click on &quot;Days&quot; previews the December pictures, one day of December 1992 per
click. This changes the computer&apos;s date, and asks for permission to do so; without
permission the preview happens inside the window only. EXIT, the 26th click and
every other end of the program put the true date and time back. Only one copy
runs at a time: starting it again brings its window forward.</source>
        <extracomment>The lines of --help, each at most 80 characters. &quot;Days&quot; and EXIT are the window&apos;s own captions, which stay in English.</extracomment>
        <translation>Compte à rebours jusqu'à Noël : chaque seconde, une fenêtre affiche le temps
restant jusqu'à minuit, dans la nuit du 24 au 25 décembre, en jours, heures,
minutes et secondes, avec la date, l'heure et une image du jour.

Un clic sur « Days » donne un aperçu des images de décembre, à raison d'un jour
de décembre 1992 par clic. Le programme modifie alors la date de l'ordinateur,
après en avoir demandé l'autorisation ; sans autorisation, l'aperçu se déroule
uniquement dans la fenêtre. EXIT, le 26e clic et toute autre fermeture du
programme rétablissent la date et l'heure réelles. Une seule instance s'exécute
à la fois : relancer le programme ramène sa fenêtre au premier plan.</translation>
    </message>
    <message>
        <source>santa-count-down: %1
Try &apos;santa-count-down --help&apos;.
</source>
        <extracomment>%1 is Qt&apos;s own message about the command line.</extracomment>
        <translation>santa-count-down: %1
Essayez « santa-count-down --help ».
</translation>
    </message>
    <message>
        <source>santa-count-down: unexpected argument &apos;%1&apos;
Try &apos;santa-count-down --help&apos;.
</source>
        <translation>santa-count-down: argument inattendu « %1 »
Essayez « santa-count-down --help ».
</translation>
    </message>
</context>
<context>
    <name>DateTexts</name>
    <message>
        <source>Santa Count Down last ended during a December preview without putting the computer&apos;s date back.</source>
        <translation>Lors de sa dernière exécution, Santa Count Down s'est arrêté pendant un aperçu de décembre sans rétablir la date de l'ordinateur.</translation>
    </message>
    <message>
        <source>Please check the date and time in the system settings.</source>
        <translation>Veuillez vérifier la date et l'heure dans les paramètres du système.</translation>
    </message>
    <message>
        <source>The computer&apos;s date may be wrong.</source>
        <translation>La date de l'ordinateur est peut-être erronée.</translation>
    </message>
    <message>
        <source>This program does not have the right to set the computer&apos;s clock.</source>
        <translation>Ce programme n'a pas le droit de régler l'horloge de l'ordinateur.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock could not be set (%1).</source>
        <extracomment>%1 is the system&apos;s own description of the error.</extracomment>
        <translation>L'horloge de l'ordinateur n'a pas pu être réglée (%1).</translation>
    </message>
    <message>
        <source>The system message bus is not available, so the date cannot be changed.</source>
        <translation>Le bus de messages du système n'est pas disponible ; la date ne peut donc pas être modifiée.</translation>
    </message>
    <message>
        <source>The date and time service (systemd-timedated) is not available.</source>
        <translation>Le service de date et d'heure (systemd-timedated) n'est pas disponible.</translation>
    </message>
    <message>
        <source>The computer keeps its clock in step automatically (network time synchronisation is on), so the date cannot be set by hand.</source>
        <translation>L'ordinateur synchronise automatiquement son horloge (la synchronisation de l'heure par le réseau est activée) ; la date ne peut donc pas être réglée manuellement.</translation>
    </message>
    <message>
        <source>Permission to change the date was not given (or the password prompt was dismissed).</source>
        <translation>L'autorisation de modifier la date n'a pas été accordée (ou la demande de mot de passe a été fermée).</translation>
    </message>
    <message>
        <source>Changing the date needs an administrator&apos;s permission, and no password prompt could be shown.</source>
        <translation>La modification de la date nécessite l'autorisation d'un administrateur, et aucune demande de mot de passe n'a pu être affichée.</translation>
    </message>
    <message>
        <source>The date could not be changed.</source>
        <translation>La date n'a pas pu être modifiée.</translation>
    </message>
    <message>
        <source>The date could not be changed: %1</source>
        <extracomment>%1 is the date and time service&apos;s own message.</extracomment>
        <translation>La date n'a pas pu être modifiée : %1</translation>
    </message>
    <message>
        <source>The date and time service did not answer, so the computer&apos;s date may have been changed.</source>
        <translation>Le service de date et d'heure n'a pas répondu ; la date de l'ordinateur a donc peut-être été modifiée.</translation>
    </message>
    <message>
        <source>The program cannot keep a note of the change (%1), so it leaves the date alone.</source>
        <extracomment>%1 says what went wrong with the file.</extracomment>
        <translation>Le programme ne peut pas conserver de note de la modification (%1) ; il ne touche donc pas à la date.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock already shows a day of December 1992, perhaps set by another copy of Santa Count Down, so this copy leaves the date alone.</source>
        <translation>L'horloge de l'ordinateur indique déjà un jour de décembre 1992, peut-être réglé par une autre instance de Santa Count Down ; cette instance ne touche donc pas à la date.</translation>
    </message>
    <message>
        <source>This copy cannot make sure that it is the only one running (%1), so it leaves the date alone.</source>
        <extracomment>%1 says why, for instance that another copy uses the notes in a folder.</extracomment>
        <translation>Cette instance ne peut pas s'assurer d'être la seule en cours d'exécution (%1) ; elle ne touche donc pas à la date.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock reads %1 after putting the date back, but the true time is %2.</source>
        <extracomment>%1 is what the clock reads, %2 the true date and time.</extracomment>
        <translation>Après le rétablissement de la date, l'horloge de l'ordinateur indique %1, alors que l'heure réelle est %2.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock is right now, but the date and time service never answered an earlier change, and may still make it. The note of the true time is kept: should the date change, start Santa Count Down again and it will put the date back.</source>
        <translation>L'horloge de l'ordinateur est à l'heure pour le moment, mais le service de date et d'heure n'a jamais répondu à une demande de modification antérieure et pourrait encore l'effectuer. La note de l'heure réelle est conservée : si la date venait à changer, relancez Santa Count Down et il rétablira la date.</translation>
    </message>
    <message>
        <source>Its note of the true time could not be removed (%1).</source>
        <extracomment>%1 is the note&apos;s file and what went wrong.</extracomment>
        <translation>La note de l'heure réelle n'a pas pu être supprimée (%1).</translation>
    </message>
    <message>
        <source>The computer&apos;s date was not changed.</source>
        <translation>La date de l'ordinateur n'a pas été modifiée.</translation>
    </message>
    <message>
        <source>The December preview goes on in this window only; the computer&apos;s clock is not touched.</source>
        <translation>L'aperçu de décembre se poursuit uniquement dans cette fenêtre ; l'horloge de l'ordinateur reste inchangée.</translation>
    </message>
    <message>
        <source>The computer&apos;s date could not be changed again.</source>
        <translation>La date de l'ordinateur n'a pas pu être modifiée de nouveau.</translation>
    </message>
    <message>
        <source>The computer&apos;s date is %1 now, set by this preview, and it will be put back to the true date when the preview ends. The preview goes on in this window only.</source>
        <extracomment>%1 is a date.</extracomment>
        <translation>La date de l'ordinateur, réglée par cet aperçu, est actuellement le %1 ; la date réelle sera rétablie à la fin de l'aperçu. L'aperçu se poursuit uniquement dans cette fenêtre.</translation>
    </message>
    <message>
        <source>The date and time service did not answer.</source>
        <translation>Le service de date et d'heure n'a pas répondu.</translation>
    </message>
    <message>
        <source>The computer&apos;s date reads %1 now. It will be put back to the true date when the preview ends, or at the next start.</source>
        <extracomment>%1 is a date.</extracomment>
        <translation>La date de l'ordinateur est actuellement le %1. La date réelle sera rétablie à la fin de l'aperçu ou au prochain démarrage.</translation>
    </message>
    <message>
        <source>The computer&apos;s date may still change.</source>
        <translation>La date de l'ordinateur pourrait encore changer.</translation>
    </message>
    <message>
        <source>The computer&apos;s date could not be put back.</source>
        <translation>La date de l'ordinateur n'a pas pu être rétablie.</translation>
    </message>
    <message>
        <source>Please set the date and time in the system settings.</source>
        <translation>Veuillez régler la date et l'heure dans les paramètres du système.</translation>
    </message>
    <message>
        <source>The computer&apos;s date is back.</source>
        <translation>La date de l'ordinateur est rétablie.</translation>
    </message>
    <message>
        <source>Please remove it by hand; until then, every start checks the date.</source>
        <translation>Veuillez la supprimer manuellement ; d'ici là, le programme vérifiera la date à chaque démarrage.</translation>
    </message>
    <message>
        <source>The computer&apos;s date has been put back.</source>
        <translation>La date de l'ordinateur a été rétablie.</translation>
    </message>
    <message>
        <source>The true date and time are set again: %1.</source>
        <extracomment>%1 is the date and time now.</extracomment>
        <translation>La date et l'heure réelles sont de nouveau réglées : %1.</translation>
    </message>
    <message>
        <source>Putting it back now failed. %1 The true time is about %2; please set the date and time in the system settings.</source>
        <extracomment>%1 says why it failed; %2 is the true date and time.</extracomment>
        <translation>La tentative de rétablissement de la date vient d'échouer. %1 L'heure réelle avoisine %2 ; veuillez régler la date et l'heure dans les paramètres du système.</translation>
    </message>
    <message>
        <source>The computer has been restarted since, so the true time cannot be worked out here; the last time known to be true was %1.</source>
        <extracomment>%1 is a date and time.</extracomment>
        <translation>L'ordinateur a redémarré depuis, si bien que l'heure réelle ne peut pas être déterminée ici ; la dernière heure réelle connue remonte au %1.</translation>
    </message>
    <message>
        <source>This run may not set the clock the way that run did. The true time is about %1.</source>
        <extracomment>%1 is the true date and time.</extracomment>
        <translation>Cette exécution ne peut pas régler l'horloge de la même manière que la précédente. L'heure réelle avoisine %1.</translation>
    </message>
    <message>
        <source>The clock has been set since to a day that no preview sets, so it is left as it is. By the note that run left, the true time is about %1.</source>
        <extracomment>%1 is the true date and time.</extracomment>
        <translation>L'horloge a depuis été réglée sur un jour qu'aucun aperçu n'utilise ; elle est donc laissée telle quelle. D'après la note laissée par l'exécution précédente, l'heure réelle avoisine %1.</translation>
    </message>
    <message>
        <source>A note of the true time that cannot be right was found.</source>
        <translation>Une note de l'heure réelle manifestement erronée a été trouvée.</translation>
    </message>
    <message>
        <source>The note %1 says that the true time was last %2, which no preview of this program can have left. It was not used and nothing was changed; it has been removed.</source>
        <extracomment>%1 is the note&apos;s file; %2 a date and time.</extracomment>
        <translation>La note %1 indique %2 comme dernière heure réelle, une heure qu'aucun aperçu de ce programme n'a pu y inscrire. Elle n'a pas été utilisée et rien n'a été modifié ; elle a été supprimée.</translation>
    </message>
    <message>
        <source>A damaged note of the true time was found.</source>
        <translation>Une note de l'heure réelle endommagée a été trouvée.</translation>
    </message>
    <message>
        <source>Where Santa Count Down keeps its note of the true time during a preview, %1, there is %2. It was not used and nothing was changed; it has been removed.</source>
        <extracomment>%1 is a file&apos;s path; %2 says what is there, such as &quot;a named pipe&quot;.</extracomment>
        <translation>À l'emplacement %1, où Santa Count Down conserve sa note de l'heure réelle pendant un aperçu, se trouve %2. Cet élément n'a pas été utilisé et rien n'a été modifié ; il a été supprimé.</translation>
    </message>
    <message>
        <source>A note of the true time could not be removed.</source>
        <translation>Une note de l'heure réelle n'a pas pu être supprimée.</translation>
    </message>
    <message>
        <source>%1 could not be removed (%2). Please remove it by hand.</source>
        <extracomment>%1 is a file&apos;s path; %2 what went wrong.</extracomment>
        <translation>Impossible de supprimer %1 (%2). Veuillez le supprimer manuellement.</translation>
    </message>
    <message>
        <source>Ending without waiting for the date to be put back; the next start will put it back.</source>
        <translation>Fermeture sans attendre le rétablissement de la date ; elle sera rétablie au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Picture for days outside December</source>
        <translation>Image des jours hors décembre</translation>
    </message>
    <message>
        <source>Cartoon Santa holding a large white placard that says he will be back in December</source>
        <translation>Dessin humoristique du père Noël tenant une grande pancarte blanche annonçant son retour en décembre</translation>
    </message>
    <message>
        <source>Picture for 23 December</source>
        <translation>Image du 23 décembre</translation>
    </message>
    <message>
        <source>Full-length cartoon Santa standing and raising a red-and-white candy cane</source>
        <translation>Dessin humoristique du père Noël en pied brandissant un sucre d'orge rouge et blanc</translation>
    </message>
    <message>
        <source>Picture for 22 December</source>
        <translation>Image du 22 décembre</translation>
    </message>
    <message>
        <source>Cartoon Santa behind a long green garland with red berries, holding its ends in his mittens</source>
        <translation>Dessin humoristique du père Noël derrière une guirlande verte à baies rouges, tenue dans ses moufles</translation>
    </message>
    <message>
        <source>Picture for 21 December</source>
        <translation>Image du 21 décembre</translation>
    </message>
    <message>
        <source>Cartoon Santa walking with a sack of toys over his shoulder and bells on his boots</source>
        <translation>Dessin humoristique du père Noël marchant, un sac de jouets sur l'épaule et des grelots aux bottes</translation>
    </message>
    <message>
        <source>Picture for 20 December</source>
        <translation>Image du 20 décembre</translation>
    </message>
    <message>
        <source>Cartoon Santa bending over an open sack full of toys, with gift boxes and a toy horse</source>
        <translation>Dessin humoristique du père Noël penché sur un sac de jouets ouvert, avec cadeaux et cheval de bois</translation>
    </message>
    <message>
        <source>Picture for 19 December</source>
        <translation>Image du 19 décembre</translation>
    </message>
    <message>
        <source>Grey engraving of four reindeer drawing Santa&apos;s sleigh up through the sky over a village</source>
        <translation>Gravure grise de quatre rennes tirant vers le ciel le traîneau du père Noël au-dessus d'un village</translation>
    </message>
    <message>
        <source>Picture for 18 December</source>
        <translation>Image du 18 décembre</translation>
    </message>
    <message>
        <source>White woodcut of Santa in a fur hat reading a large book by a lantern under yellow stars</source>
        <translation>Bois gravé blanc du père Noël en chapka lisant un gros livre à la lanterne sous des étoiles jaunes</translation>
    </message>
    <message>
        <source>Picture for 17 December</source>
        <translation>Image du 17 décembre</translation>
    </message>
    <message>
        <source>Grey engraving on cream of Santa leaning out of the clouds into a tied bundle of toys</source>
        <translation>Gravure grise sur fond crème du père Noël se penchant des nuages vers un ballot de jouets ficelé</translation>
    </message>
    <message>
        <source>Picture for 16 December</source>
        <translation>Image du 16 décembre</translation>
    </message>
    <message>
        <source>Engraving of Santa in reading glasses on an old telephone, writing a list with a quill</source>
        <translation>Gravure du père Noël en lunettes de lecture, au téléphone à l'ancienne, notant une liste à la plume</translation>
    </message>
    <message>
        <source>Picture for 15 December</source>
        <translation>Image du 15 décembre</translation>
    </message>
    <message>
        <source>Snowy Christmas tree with candles and a star, carol singers and a red greeting ribbon</source>
        <translation>Sapin de Noël enneigé avec bougies et étoile, chanteurs de Noël et ruban rouge portant des vœux</translation>
    </message>
    <message>
        <source>Picture for 14 December</source>
        <translation>Image du 14 décembre</translation>
    </message>
    <message>
        <source>Gold engraving of Santa standing and waving, a ring behind his head, toys over his shoulder</source>
        <translation>Gravure dorée du père Noël debout saluant de la main, auréolé d'un cercle, des jouets sur l'épaule</translation>
    </message>
    <message>
        <source>Picture for 13 December</source>
        <translation>Image du 13 décembre</translation>
    </message>
    <message>
        <source>Grey outline drawing of Santa striding through the snow, bent under a huge sack</source>
        <translation>Dessin au trait gris du père Noël avançant à grands pas dans la neige, courbé sous un énorme sac</translation>
    </message>
    <message>
        <source>Picture for 12 December</source>
        <translation>Image du 12 décembre</translation>
    </message>
    <message>
        <source>Old-fashioned colour picture of Santa seated in a red robe, a little girl on his knee</source>
        <translation>Image ancienne en couleurs du père Noël assis en houppelande rouge, une fillette sur les genoux</translation>
    </message>
    <message>
        <source>Picture for 11 December</source>
        <translation>Image du 11 décembre</translation>
    </message>
    <message>
        <source>Stippled drawing of Santa from behind, bent under a huge brown sack of toys in the snow</source>
        <translation>Dessin au pointillé du père Noël de dos, courbé sous un énorme sac brun de jouets, dans la neige</translation>
    </message>
    <message>
        <source>Picture for 10 December</source>
        <translation>Image du 10 décembre</translation>
    </message>
    <message>
        <source>Santa winking, a finger laid beside his nose, framed by a round holly wreath with berries</source>
        <translation>Le père Noël faisant un clin d'œil, un doigt le long du nez, encadré d'une couronne de houx à baies</translation>
    </message>
    <message>
        <source>Picture for 9 December</source>
        <translation>Image du 9 décembre</translation>
    </message>
    <message>
        <source>Engraving of Santa in round spectacles hanging a toy drum on a hook, a doll at his side</source>
        <translation>Gravure du père Noël en lunettes rondes accrochant un tambour jouet à un crochet, une poupée à côté</translation>
    </message>
    <message>
        <source>Picture for 8 December</source>
        <translation>Image du 8 décembre</translation>
    </message>
    <message>
        <source>Engraving of Santa in a fur-trimmed hood leaning over a huge book of names, pointing</source>
        <translation>Gravure du père Noël en capuche bordée de fourrure, penché sur un gros livre de noms, doigt tendu</translation>
    </message>
    <message>
        <source>Picture for 7 December</source>
        <translation>Image du 7 décembre</translation>
    </message>
    <message>
        <source>Engraving of Santa at his workbench, hammer raised over a rocking horse, tools on the wall</source>
        <translation>Gravure du père Noël à son établi, marteau levé au-dessus d'un cheval à bascule, outils au mur</translation>
    </message>
    <message>
        <source>Picture for 6 December</source>
        <translation>Image du 6 décembre</translation>
    </message>
    <message>
        <source>Engraving of Santa seen from behind, looking at the moon through a telescope at a window</source>
        <translation>Gravure du père Noël vu de dos, observant la lune au télescope depuis une fenêtre</translation>
    </message>
    <message>
        <source>Picture for 5 December</source>
        <translation>Image du 5 décembre</translation>
    </message>
    <message>
        <source>Cartoon Santa smoking a pipe, a holly sprig on his cap</source>
        <translation>Dessin humoristique du père Noël fumant la pipe, un brin de houx sur son bonnet</translation>
    </message>
    <message>
        <source>Picture for 4 December</source>
        <translation>Image du 4 décembre</translation>
    </message>
    <message>
        <source>Cartoon Santa smiling in front of a dark blue disc with falling snow</source>
        <translation>Dessin humoristique du père Noël souriant devant un disque bleu foncé où tombe la neige</translation>
    </message>
    <message>
        <source>Picture for 3 December</source>
        <translation>Image du 3 décembre</translation>
    </message>
    <message>
        <source>Cartoon Santa, head thrown back in laughter and eyes squeezed shut, before a green disc</source>
        <translation>Dessin humoristique du père Noël riant, la tête renversée et les yeux plissés, devant un disque vert</translation>
    </message>
    <message>
        <source>Picture for 2 December</source>
        <translation>Image du 2 décembre</translation>
    </message>
    <message>
        <source>Cartoon Santa in profile in front of a pale yellow moon</source>
        <translation>Dessin humoristique du père Noël de profil devant une lune jaune pâle</translation>
    </message>
    <message>
        <source>Picture for Christmas Day</source>
        <translation>Image du jour de Noël</translation>
    </message>
    <message>
        <source>Engraving of Santa asleep in a wing chair, boots up on a stool before a blazing fire</source>
        <translation>Gravure du père Noël endormi dans un fauteuil à oreilles, bottes sur un tabouret, devant un feu vif</translation>
    </message>
    <message>
        <source>Picture for 1 December</source>
        <translation>Image du 1er décembre</translation>
    </message>
    <message>
        <source>Cartoon Santa&apos;s head turned and tilted in a hearty laugh, his red cap flopping over</source>
        <translation>Dessin humoristique : tête du père Noël tournée et penchée dans un franc rire, bonnet rouge tombant</translation>
    </message>
    <message>
        <source>Picture for Christmas Eve</source>
        <translation>Image de la veille de Noël</translation>
    </message>
    <message>
        <source>Engraving of Santa with his sack climbing into a snowy chimney above a moonlit village</source>
        <translation>Gravure du père Noël entrant avec son sac dans une cheminée enneigée d'un village au clair de lune</translation>
    </message>
    <message>
        <source>Santa Count Down logo</source>
        <translation>Logo de Santa Count Down</translation>
    </message>
    <message>
        <source>A gold star on a snowy fir tree under a gold dome, Santa Count Down arched over it in red</source>
        <translation>Étoile dorée sur un sapin enneigé sous un dôme doré ; au-dessus, Santa Count Down en rouge, en arc</translation>
    </message>
    <message>
        <source>Preview the next day of December (%1)</source>
        <extracomment>%1 is a key combination.</extracomment>
        <translation>Afficher un aperçu du jour suivant de décembre (%1)</translation>
    </message>
    <message>
        <source>Each press shows the next day of December 1992, so that its picture can be seen; the 26th comes back to today. Keyboard: %1.</source>
        <extracomment>%1 is a key combination.</extracomment>
        <translation>Chaque appui affiche le jour suivant de décembre 1992 pour en montrer l'image ; le 26e appui ramène à aujourd'hui. Clavier : %1.</translation>
    </message>
    <message>
        <source>%1 days until Christmas. %2 previews the days of December.</source>
        <extracomment>What a screen reader reads first. %1 is the days left as the window shows them (&quot;15.42&quot;); %2 a key combination.</extracomment>
        <translation>%1 jours avant Noël. %2 donne un aperçu des jours de décembre.</translation>
    </message>
    <message>
        <source>Picture for %1</source>
        <extracomment>A screen reader&apos;s name for the day&apos;s picture; %1 is a date.</extracomment>
        <translation>Image du %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Santa Count Down developers</source>
        <translation>Copyright © 2026 les développeurs de Santa Count Down</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>Read after a total, as in &quot;2030400.00 seconds&quot;.</extracomment>
        <translation>secondes</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
</context>
<context>
    <name>LockFile</name>
    <message>
        <source>%1 cannot be examined (%2)</source>
        <translation>impossible d'examiner %1 (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2)</source>
        <translation>impossible de créer %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n'est pas un dossier</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>%1 may be written to by other users</source>
        <translation>d'autres utilisateurs peuvent écrire dans %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 est un lien symbolique</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2)</source>
        <translation>impossible d'ouvrir %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 cannot be locked (%2)</source>
        <translation>impossible de verrouiller %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>santa-count-down: already running; its window is brought forward.</source>
        <translation>santa-count-down: déjà en cours d'exécution ; sa fenêtre est ramenée au premier plan.</translation>
    </message>
    <message>
        <source>santa-count-down: already running.</source>
        <translation>santa-count-down: déjà en cours d'exécution.</translation>
    </message>
</context>
<context>
    <name>PreviewRecord</name>
    <message>
        <source>a symbolic link</source>
        <translation>un lien symbolique</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un fichier</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d'écrire %1</translation>
    </message>
    <message>
        <source>something that cannot be examined (%1)</source>
        <translation>quelque chose d'impossible à examiner (%1)</translation>
    </message>
    <message>
        <source>a file that cannot be read (%1)</source>
        <translation>un fichier illisible (%1)</translation>
    </message>
    <message>
        <source>a file that changed while it was read</source>
        <translation>un fichier qui a changé pendant sa lecture</translation>
    </message>
    <message>
        <source>a file that belongs to another user</source>
        <translation>un fichier qui appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>a file of %1 bytes, far larger than a note</source>
        <translation>un fichier de %1 octets, bien plus gros qu'une note</translation>
    </message>
    <message>
        <source>a file far larger than a note</source>
        <translation>un fichier bien plus gros qu'une note</translation>
    </message>
    <message>
        <source>a file whose contents are not a note of the true time</source>
        <translation>un fichier dont le contenu n'est pas une note de l'heure réelle</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>another copy uses the notes in %1</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>une autre instance utilise les notes du dossier %1</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>there is no runtime folder of this user&apos;s for its lock</source>
        <translation>aucun dossier d'exécution de cet utilisateur n'est disponible pour son verrou</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>needs a graphical display to show its window, and %1.
Start it from a desktop session.</source>
        <extracomment>%1 says what is wrong with the display.</extracomment>
        <translation>a besoin d'un affichage graphique pour ouvrir sa fenêtre, or %1.
Lancez-le depuis une session de bureau.</translation>
    </message>
    <message>
        <source>cannot show its window: %1</source>
        <extracomment>%1 is Qt&apos;s own message, in English.</extracomment>
        <translation>impossible d'afficher sa fenêtre : %1</translation>
    </message>
    <message>
        <source>no graphical display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>aucun affichage graphique n'est défini (DISPLAY et WAYLAND_DISPLAY sont vides)</translation>
    </message>
    <message>
        <source>the graphical display %1 cannot be reached</source>
        <extracomment>%1 names the display, as in DISPLAY=:0.</extracomment>
        <translation>l'affichage graphique %1 est inaccessible</translation>
    </message>
</context>
</TS>
