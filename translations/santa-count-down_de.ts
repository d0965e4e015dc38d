<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Zählt bis Weihnachten herunter: Ein Fenster zeigt sekündlich die verbleibende
Zeit bis zum 25. Dezember, 0:00 Uhr, in Tagen, Stunden, Minuten und Sekunden,
dazu das Datum, die Uhrzeit und ein Bild für den Tag.

Ein Klick auf „Days“ zeigt eine Vorschau der Dezemberbilder, je Klick einen Tag
im Dezember 1992. Dabei wird das Datum des Computers geändert; das Programm
bittet vorher um Erlaubnis. Ohne Erlaubnis findet die Vorschau nur innerhalb des
Fensters statt. EXIT, der 26. Klick und jedes andere Programmende stellen das
tatsächliche Datum und die tatsächliche Uhrzeit wieder her. Es läuft immer nur
eine Instanz: Ein erneuter Aufruf holt ihr Fenster in den Vordergrund.</translation>
    </message>
    <message>
        <source>santa-count-down: %1
Try &apos;santa-count-down --help&apos;.
</source>
        <extracomment>%1 is Qt&apos;s own message about the command line.</extracomment>
        <translation>santa-count-down: %1
Weitere Informationen erhalten Sie mit „santa-count-down --help“.
</translation>
    </message>
    <message>
        <source>santa-count-down: unexpected argument &apos;%1&apos;
Try &apos;santa-count-down --help&apos;.
</source>
        <translation>santa-count-down: unerwartetes Argument „%1“
Weitere Informationen erhalten Sie mit „santa-count-down --help“.
</translation>
    </message>
</context>
<context>
    <name>DateTexts</name>
    <message>
        <source>Santa Count Down last ended during a December preview without putting the computer&apos;s date back.</source>
        <translation>Santa Count Down wurde zuletzt während einer Dezember-Vorschau beendet, ohne das Datum des Computers wiederherzustellen.</translation>
    </message>
    <message>
        <source>Please check the date and time in the system settings.</source>
        <translation>Bitte prüfen Sie Datum und Uhrzeit in den Systemeinstellungen.</translation>
    </message>
    <message>
        <source>The computer&apos;s date may be wrong.</source>
        <translation>Das Datum des Computers ist möglicherweise falsch.</translation>
    </message>
    <message>
        <source>This program does not have the right to set the computer&apos;s clock.</source>
        <translation>Dieses Programm ist nicht berechtigt, die Uhr des Computers zu stellen.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock could not be set (%1).</source>
        <extracomment>%1 is the system&apos;s own description of the error.</extracomment>
        <translation>Die Uhr des Computers konnte nicht gestellt werden (%1).</translation>
    </message>
    <message>
        <source>The system message bus is not available, so the date cannot be changed.</source>
        <translation>Der System-Nachrichtenbus ist nicht verfügbar, daher kann das Datum nicht geändert werden.</translation>
    </message>
    <message>
        <source>The date and time service (systemd-timedated) is not available.</source>
        <translation>Der Datums- und Uhrzeitdienst (systemd-timedated) ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The computer keeps its clock in step automatically (network time synchronisation is on), so the date cannot be set by hand.</source>
        <translation>Der Computer gleicht seine Uhr automatisch ab (die Zeitsynchronisation über das Netzwerk ist eingeschaltet), daher kann das Datum nicht von Hand eingestellt werden.</translation>
    </message>
    <message>
        <source>Permission to change the date was not given (or the password prompt was dismissed).</source>
        <translation>Die Erlaubnis, das Datum zu ändern, wurde nicht erteilt (oder die Passwortabfrage wurde abgebrochen).</translation>
    </message>
    <message>
        <source>Changing the date needs an administrator&apos;s permission, and no password prompt could be shown.</source>
        <translation>Zum Ändern des Datums ist die Erlaubnis eines Administrators nötig, aber es konnte keine Passwortabfrage angezeigt werden.</translation>
    </message>
    <message>
        <source>The date could not be changed.</source>
        <translation>Das Datum konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>The date could not be changed: %1</source>
        <extracomment>%1 is the date and time service&apos;s own message.</extracomment>
        <translation>Das Datum konnte nicht geändert werden: %1</translation>
    </message>
    <message>
        <source>The date and time service did not answer, so the computer&apos;s date may have been changed.</source>
        <translation>Der Datums- und Uhrzeitdienst hat nicht geantwortet, daher wurde das Datum des Computers möglicherweise geändert.</translation>
    </message>
    <message>
        <source>The program cannot keep a note of the change (%1), so it leaves the date alone.</source>
        <extracomment>%1 says what went wrong with the file.</extracomment>
        <translation>Das Programm kann keine Notiz zu der Änderung speichern (%1), daher lässt es das Datum unverändert.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock already shows a day of December 1992, perhaps set by another copy of Santa Count Down, so this copy leaves the date alone.</source>
        <translation>Die Uhr des Computers zeigt bereits einen Tag im Dezember 1992, den vielleicht eine andere Instanz von Santa Count Down eingestellt hat, daher lässt diese Instanz das Datum unverändert.</translation>
    </message>
    <message>
        <source>This copy cannot make sure that it is the only one running (%1), so it leaves the date alone.</source>
        <extracomment>%1 says why, for instance that another copy uses the notes in a folder.</extracomment>
        <translation>Diese Instanz kann nicht sicherstellen, dass sie als einzige läuft (%1), daher lässt sie das Datum unverändert.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock reads %1 after putting the date back, but the true time is %2.</source>
        <extracomment>%1 is what the clock reads, %2 the true date and time.</extracomment>
        <translation>Die Uhr des Computers zeigt nach dem Wiederherstellen des Datums %1, die tatsächliche Zeit ist aber %2.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock is right now, but the date and time service never answered an earlier change, and may still make it. The note of the true time is kept: should the date change, start Santa Count Down again and it will put the date back.</source>
        <translation>Die Uhr des Computers geht jetzt richtig, aber der Datums- und Uhrzeitdienst hat auf eine frühere Änderung nie geantwortet und könnte sie noch ausführen. Die Notiz zur tatsächlichen Zeit bleibt erhalten: Sollte sich das Datum ändern, starten Sie Santa Count Down erneut, dann stellt das Programm das Datum wieder her.</translation>
    </message>
    <message>
        <source>Its note of the true time could not be removed (%1).</source>
        <extracomment>%1 is the note&apos;s file and what went wrong.</extracomment>
        <translation>Die Notiz zur tatsächlichen Zeit konnte nicht entfernt werden (%1).</translation>
    </message>
    <message>
        <source>The computer&apos;s date was not changed.</source>
        <translation>Das Datum des Computers wurde nicht geändert.</translation>
    </message>
    <message>
        <source>The December preview goes on in this window only; the computer&apos;s clock is not touched.</source>
        <translation>Die Dezember-Vorschau läuft nur in diesem Fenster weiter; die Uhr des Computers bleibt unberührt.</translation>
    </message>
    <message>
        <source>The computer&apos;s date could not be changed again.</source>
        <translation>Das Datum des Computers konnte nicht erneut geändert werden.</translation>
    </message>
    <message>
        <source>The computer&apos;s date is %1 now, set by this preview, and it will be put back to the true date when the preview ends. The preview goes on in this window only.</source>
        <extracomment>%1 is a date.</extracomment>
        <translation>Das Datum des Computers steht jetzt auf %1, eingestellt von dieser Vorschau; am Ende der Vorschau wird das tatsächliche Datum wiederhergestellt. Die Vorschau läuft nur in diesem Fenster weiter.</translation>
    </message>
    <message>
        <source>The date and time service did not answer.</source>
        <translation>Der Datums- und Uhrzeitdienst hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>The computer&apos;s date reads %1 now. It will be put back to the true date when the preview ends, or at the next start.</source>
        <extracomment>%1 is a date.</extracomment>
        <translation>Das Datum des Computers steht jetzt auf %1. Am Ende der Vorschau oder beim nächsten Start wird das tatsächliche Datum wiederhergestellt.</translation>
    </message>
    <message>
        <source>The computer&apos;s date may still change.</source>
        <translation>Das Datum des Computers könnte sich noch ändern.</translation>
    </message>
    <message>
        <source>The computer&apos;s date could not be put back.</source>
        <translation>Das Datum des Computers konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Please set the date and time in the system settings.</source>
        <translation>Bitte stellen Sie Datum und Uhrzeit in den Systemeinstellungen ein.</translation>
    </message>
    <message>
        <source>The computer&apos;s date is back.</source>
        <translation>Das Datum des Computers stimmt wieder.</translation>
    </message>
    <message>
        <source>Please remove it by hand; until then, every start checks the date.</source>
        <translation>Bitte entfernen Sie sie von Hand; bis dahin wird bei jedem Start das Datum geprüft.</translation>
    </message>
    <message>
        <source>The computer&apos;s date has been put back.</source>
        <translation>Das Datum des Computers wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>The true date and time are set again: %1.</source>
        <extracomment>%1 is the date and time now.</extracomment>
        <translation>Das tatsächliche Datum und die tatsächliche Uhrzeit sind wieder eingestellt: %1.</translation>
    </message>
    <message>
        <source>Putting it back now failed. %1 The true time is about %2; please set the date and time in the system settings.</source>
        <extracomment>%1 says why it failed; %2 is the true date and time.</extracomment>
        <translation>Der Versuch, es jetzt wiederherzustellen, ist fehlgeschlagen. %1 Die tatsächliche Zeit ist etwa %2; bitte stellen Sie Datum und Uhrzeit in den Systemeinstellungen ein.</translation>
    </message>
    <message>
        <source>The computer has been restarted since, so the true time cannot be worked out here; the last time known to be true was %1.</source>
        <extracomment>%1 is a date and time.</extracomment>
        <translation>Der Computer wurde seitdem neu gestartet, daher lässt sich die tatsächliche Zeit hier nicht ermitteln; die letzte sicher bekannte Zeit war %1.</translation>
    </message>
    <message>
        <source>This run may not set the clock the way that run did. The true time is about %1.</source>
        <extracomment>%1 is the true date and time.</extracomment>
        <translation>Dieser Programmlauf kann die Uhr möglicherweise nicht auf dieselbe Weise stellen wie der letzte. Die tatsächliche Zeit ist etwa %1.</translation>
    </message>
    <message>
        <source>The clock has been set since to a day that no preview sets, so it is left as it is. By the note that run left, the true time is about %1.</source>
        <extracomment>%1 is the true date and time.</extracomment>
        <translation>Die Uhr wurde seitdem auf einen Tag gestellt, den keine Vorschau einstellt, daher bleibt sie, wie sie ist. Laut der Notiz, die der letzte Programmlauf hinterlassen hat, ist die tatsächliche Zeit etwa %1.</translation>
    </message>
    <message>
        <source>A note of the true time that cannot be right was found.</source>
        <translation>Es wurde eine Notiz zur tatsächlichen Zeit gefunden, die nicht stimmen kann.</translation>
    </message>
    <message>
        <source>The note %1 says that the true time was last %2, which no preview of this program can have left. It was not used and nothing was changed; it has been removed.</source>
        <extracomment>%1 is the note&apos;s file; %2 a date and time.</extracomment>
        <translation>Laut der Notiz %1 war die tatsächliche Zeit zuletzt %2; eine solche Notiz kann keine Vorschau dieses Programms hinterlassen haben. Die Notiz wurde nicht verwendet, und es wurde nichts geändert; sie wurde entfernt.</translation>
    </message>
    <message>
        <source>A damaged note of the true time was found.</source>
        <translation>Es wurde eine beschädigte Notiz zur tatsächlichen Zeit gefunden.</translation>
    </message>
    <message>
        <source>Where Santa Count Down keeps its note of the true time during a preview, %1, there is %2. It was not used and nothing was changed; it has been removed.</source>
        <extracomment>%1 is a file&apos;s path; %2 says what is there, such as &quot;a named pipe&quot;.</extracomment>
        <translation>Unter %1, wo Santa Count Down während einer Vorschau seine Notiz zur tatsächlichen Zeit aufbewahrt, befindet sich %2. Der Eintrag wurde nicht verwendet, und es wurde nichts geändert; er wurde entfernt.</translation>
    </message>
    <message>
        <source>A note of the true time could not be removed.</source>
        <translation>Eine Notiz zur tatsächlichen Zeit konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>%1 could not be removed (%2). Please remove it by hand.</source>
        <extracomment>%1 is a file&apos;s path; %2 what went wrong.</extracomment>
        <translation>%1 konnte nicht entfernt werden (%2). Bitte erledigen Sie das von Hand.</translation>
    </message>
    <message>
        <source>Ending without waiting for the date to be put back; the next start will put it back.</source>
        <translation>wird beendet, ohne auf das Wiederherstellen des Datums zu warten; beim nächsten Start wird es wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Picture for days outside December</source>
        <translation>Bild für Tage außerhalb des Dezembers</translation>
    </message>
    <message>
        <source>Cartoon Santa holding a large white placard that says he will be back in December</source>
        <translation>Comic-Weihnachtsmann mit großem weißem Schild, auf dem steht, dass er im Dezember wiederkommt</translation>
    </message>
    <message>
        <source>Picture for 23 December</source>
        <translation>Bild für den 23. Dezember</translation>
    </message>
    <message>
        <source>Full-length cartoon Santa standing and raising a red-and-white candy cane</source>
        <translation>Stehender Comic-Weihnachtsmann in ganzer Figur, der eine rot-weiße Zuckerstange hochhält</translation>
    </message>
    <message>
        <source>Picture for 22 December</source>
        <translation>Bild für den 22. Dezember</translation>
    </message>
    <message>
        <source>Cartoon Santa behind a long green garland with red berries, holding its ends in his mittens</source>
        <translation>Comic-Weihnachtsmann hinter einer langen grünen Girlande mit roten Beeren, die Enden in den Fäustlingen</translation>
    </message>
    <message>
        <source>Picture for 21 December</source>
        <translation>Bild für den 21. Dezember</translation>
    </message>
    <message>
        <source>Cartoon Santa walking with a sack of toys over his shoulder and bells on his boots</source>
        <translation>Comic-Weihnachtsmann unterwegs, mit Spielzeugsack über der Schulter und Glöckchen an den Stiefeln</translation>
    </message>
    <message>
        <source>Picture for 20 December</source>
        <translation>Bild für den 20. Dezember</translation>
    </message>
    <message>
        <source>Cartoon Santa bending over an open sack full of toys, with gift boxes and a toy horse</source>
        <translation>Comic-Weihnachtsmann beugt sich über einen offenen Spielzeugsack, daneben Geschenke und ein Spielzeugpferd</translation>
    </message>
    <message>
        <source>Picture for 19 December</source>
        <translation>Bild für den 19. Dezember</translation>
    </message>
    <message>
        <source>Grey engraving of four reindeer drawing Santa&apos;s sleigh up through the sky over a village</source>
        <translation>Grauer Stich: Vier Rentiere ziehen den Schlitten des Weihnachtsmanns über einem Dorf in den Himmel</translation>
    </message>
    <message>
        <source>Picture for 18 December</source>
        <translation>Bild für den 18. Dezember</translation>
    </message>
    <message>
        <source>White woodcut of Santa in a fur hat reading a large book by a lantern under yellow stars</source>
        <translation>Weißer Holzschnitt: Weihnachtsmann mit Pelzmütze liest bei Laternenlicht unter gelben Sternen ein großes Buch</translation>
    </message>
    <message>
        <source>Picture for 17 December</source>
        <translation>Bild für den 17. Dezember</translation>
    </message>
    <message>
        <source>Grey engraving on cream of Santa leaning out of the clouds into a tied bundle of toys</source>
        <translation>Grauer Stich auf Cremeweiß: Weihnachtsmann beugt sich aus den Wolken in ein verschnürtes Spielzeugbündel</translation>
    </message>
    <message>
        <source>Picture for 16 December</source>
        <translation>Bild für den 16. Dezember</translation>
    </message>
    <message>
        <source>Engraving of Santa in reading glasses on an old telephone, writing a list with a quill</source>
        <translation>Stich: Weihnachtsmann mit Lesebrille am alten Telefon schreibt mit einem Federkiel eine Liste</translation>
    </message>
    <message>
        <source>Picture for 15 December</source>
        <translation>Bild für den 15. Dezember</translation>
    </message>
    <message>
        <source>Snowy Christmas tree with candles and a star, carol singers and a red greeting ribbon</source>
        <translation>Verschneiter Weihnachtsbaum mit Kerzen und Stern, Weihnachtssänger und ein rotes Band mit Festgruß</translation>
    </message>
    <message>
        <source>Picture for 14 December</source>
        <translation>Bild für den 14. Dezember</translation>
    </message>
    <message>
        <source>Gold engraving of Santa standing and waving, a ring behind his head, toys over his shoulder</source>
        <translation>Goldener Stich: Weihnachtsmann steht und winkt, hinter dem Kopf ein Ring, Spielzeug über der Schulter</translation>
    </message>
    <message>
        <source>Picture for 13 December</source>
        <translation>Bild für den 13. Dezember</translation>
    </message>
    <message>
        <source>Grey outline drawing of Santa striding through the snow, bent under a huge sack</source>
        <translation>Graue Umrisszeichnung: Weihnachtsmann stapft durch den Schnee, gebeugt unter einem riesigen Sack</translation>
    </message>
    <message>
        <source>Picture for 12 December</source>
        <translation>Bild für den 12. Dezember</translation>
    </message>
    <message>
        <source>Old-fashioned colour picture of Santa seated in a red robe, a little girl on his knee</source>
        <translation>Altmodisches Farbbild: Weihnachtsmann sitzt im roten Gewand, ein kleines Mädchen auf dem Knie</translation>
    </message>
    <message>
        <source>Picture for 11 December</source>
        <translation>Bild für den 11. Dezember</translation>
    </message>
    <message>
        <source>Stippled drawing of Santa from behind, bent under a huge brown sack of toys in the snow</source>
        <translation>Punktzeichnung: Weihnachtsmann von hinten im Schnee, gebeugt unter einem riesigen braunen Spielzeugsack</translation>
    </message>
    <message>
        <source>Picture for 10 December</source>
        <translation>Bild für den 10. Dezember</translation>
    </message>
    <message>
        <source>Santa winking, a finger laid beside his nose, framed by a round holly wreath with berries</source>
        <translation>Zwinkernder Weihnachtsmann, einen Finger an die Nase gelegt, in einem runden Stechpalmenkranz mit Beeren</translation>
    </message>
    <message>
        <source>Picture for 9 December</source>
        <translation>Bild für den 9. Dezember</translation>
    </message>
    <message>
        <source>Engraving of Santa in round spectacles hanging a toy drum on a hook, a doll at his side</source>
        <translation>Stich: Weihnachtsmann mit runder Brille hängt eine Spielzeugtrommel an einen Haken, daneben eine Puppe</translation>
    </message>
    <message>
        <source>Picture for 8 December</source>
        <translation>Bild für den 8. Dezember</translation>
    </message>
    <message>
        <source>Engraving of Santa in a fur-trimmed hood leaning over a huge book of names, pointing</source>
        <translation>Stich: Weihnachtsmann mit pelzbesetzter Kapuze beugt sich über ein riesiges Namensbuch und zeigt darauf</translation>
    </message>
    <message>
        <source>Picture for 7 December</source>
        <translation>Bild für den 7. Dezember</translation>
    </message>
    <message>
        <source>Engraving of Santa at his workbench, hammer raised over a rocking horse, tools on the wall</source>
        <translation>Stich: Weihnachtsmann an der Werkbank, den Hammer über einem Schaukelpferd erhoben, Werkzeug an der Wand</translation>
    </message>
    <message>
        <source>Picture for 6 December</source>
        <translation>Bild für den 6. Dezember</translation>
    </message>
    <message>
        <source>Engraving of Santa seen from behind, looking at the moon through a telescope at a window</source>
        <translation>Stich: Weihnachtsmann von hinten, der am Fenster durch ein Fernrohr den Mond betrachtet</translation>
    </message>
    <message>
        <source>Picture for 5 December</source>
        <translation>Bild für den 5. Dezember</translation>
    </message>
    <message>
        <source>Cartoon Santa smoking a pipe, a holly sprig on his cap</source>
        <translation>Pfeife rauchender Comic-Weihnachtsmann mit einem Stechpalmenzweig an der Mütze</translation>
    </message>
    <message>
        <source>Picture for 4 December</source>
        <translation>Bild für den 4. Dezember</translation>
    </message>
    <message>
        <source>Cartoon Santa smiling in front of a dark blue disc with falling snow</source>
        <translation>Lächelnder Comic-Weihnachtsmann vor einer dunkelblauen Scheibe mit fallendem Schnee</translation>
    </message>
    <message>
        <source>Picture for 3 December</source>
        <translation>Bild für den 3. Dezember</translation>
    </message>
    <message>
        <source>Cartoon Santa, head thrown back in laughter and eyes squeezed shut, before a green disc</source>
        <translation>Comic-Weihnachtsmann lacht vor einer grünen Scheibe, den Kopf zurückgeworfen, die Augen zugekniffen</translation>
    </message>
    <message>
        <source>Picture for 2 December</source>
        <translation>Bild für den 2. Dezember</translation>
    </message>
    <message>
        <source>Cartoon Santa in profile in front of a pale yellow moon</source>
        <translation>Comic-Weihnachtsmann im Profil vor einem blassgelben Mond</translation>
    </message>
    <message>
        <source>Picture for Christmas Day</source>
        <translation>Bild für den ersten Weihnachtstag</translation>
    </message>
    <message>
        <source>Engraving of Santa asleep in a wing chair, boots up on a stool before a blazing fire</source>
        <translation>Stich: Weihnachtsmann schläft im Ohrensessel vor einem lodernden Feuer, die Stiefel auf einem Hocker</translation>
    </message>
    <message>
        <source>Picture for 1 December</source>
        <translation>Bild für den 1. Dezember</translation>
    </message>
    <message>
        <source>Cartoon Santa&apos;s head turned and tilted in a hearty laugh, his red cap flopping over</source>
        <translation>Kopf eines herzhaft lachenden Comic-Weihnachtsmanns, gedreht und geneigt, die rote Mütze kippt zur Seite</translation>
    </message>
    <message>
        <source>Picture for Christmas Eve</source>
        <translation>Bild für Heiligabend</translation>
    </message>
    <message>
        <source>Engraving of Santa with his sack climbing into a snowy chimney above a moonlit village</source>
        <translation>Stich: Weihnachtsmann steigt mit dem Sack in einen verschneiten Schornstein über einem Dorf im Mondlicht</translation>
    </message>
    <message>
        <source>Santa Count Down logo</source>
        <translation>Logo von Santa Count Down</translation>
    </message>
    <message>
        <source>A gold star on a snowy fir tree under a gold dome, Santa Count Down arched over it in red</source>
        <translation>Goldener Stern auf verschneiter Tanne unter goldener Kuppel, darüber in Rot im Bogen: Santa Count Down</translation>
    </message>
    <message>
        <source>Preview the next day of December (%1)</source>
        <extracomment>%1 is a key combination.</extracomment>
        <translation>Vorschau auf den nächsten Dezembertag (%1)</translation>
    </message>
    <message>
        <source>Each press shows the next day of December 1992, so that its picture can be seen; the 26th comes back to today. Keyboard: %1.</source>
        <extracomment>%1 is a key combination.</extracomment>
        <translation>Jedes Drücken zeigt den nächsten Tag im Dezember 1992, damit sein Bild zu sehen ist; beim 26. Mal geht es zurück zum heutigen Tag. Tastenkürzel: %1.</translation>
    </message>
    <message>
        <source>%1 days until Christmas. %2 previews the days of December.</source>
        <extracomment>What a screen reader reads first. %1 is the days left as the window shows them (&quot;15.42&quot;); %2 a key combination.</extracomment>
        <translation>Noch %1 Tage bis Weihnachten. %2 zeigt eine Vorschau der Dezembertage.</translation>
    </message>
    <message>
        <source>Picture for %1</source>
        <extracomment>A screen reader&apos;s name for the day&apos;s picture; %1 is a date.</extracomment>
        <translation>Bild für %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Santa Count Down developers</source>
        <translation>Copyright © 2026 die Entwickler von Santa Count Down</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>Read after a total, as in &quot;2030400.00 seconds&quot;.</extracomment>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
</context>
<context>
    <name>LockFile</name>
    <message>
        <source>%1 cannot be examined (%2)</source>
        <translation>%1 kann nicht geprüft werden (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2)</source>
        <translation>%1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>%1 may be written to by other users</source>
        <translation>%1 ist für andere Benutzer beschreibbar</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2)</source>
        <translation>%1 kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 cannot be locked (%2)</source>
        <translation>%1 kann nicht gesperrt werden (%2)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>santa-count-down: already running; its window is brought forward.</source>
        <translation>santa-count-down: läuft bereits; sein Fenster wird in den Vordergrund geholt.</translation>
    </message>
    <message>
        <source>santa-count-down: already running.</source>
        <translation>santa-count-down: läuft bereits.</translation>
    </message>
</context>
<context>
    <name>PreviewRecord</name>
    <message>
        <source>a symbolic link</source>
        <translation>ein symbolischer Link</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>eine Gerätedatei</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>something that cannot be examined (%1)</source>
        <translation>etwas, das sich nicht prüfen lässt (%1)</translation>
    </message>
    <message>
        <source>a file that cannot be read (%1)</source>
        <translation>eine Datei, die sich nicht lesen lässt (%1)</translation>
    </message>
    <message>
        <source>a file that changed while it was read</source>
        <translation>eine Datei, die sich beim Lesen verändert hat</translation>
    </message>
    <message>
        <source>a file that belongs to another user</source>
        <translation>eine Datei, die einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>a file of %1 bytes, far larger than a note</source>
        <translation>eine Datei mit %1 Byte, weit größer als eine Notiz</translation>
    </message>
    <message>
        <source>a file far larger than a note</source>
        <translation>eine Datei, die weit größer als eine Notiz ist</translation>
    </message>
    <message>
        <source>a file whose contents are not a note of the true time</source>
        <translation>eine Datei, deren Inhalt keine Notiz zur tatsächlichen Zeit ist</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>another copy uses the notes in %1</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>eine andere Instanz verwendet die Notizen in %1</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>there is no runtime folder of this user&apos;s for its lock</source>
        <translation>für die Sperre gibt es keinen Laufzeitordner dieses Benutzers</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>needs a graphical display to show its window, and %1.
Start it from a desktop session.</source>
        <extracomment>%1 says what is wrong with the display.</extracomment>
        <translation>benötigt eine grafische Anzeige für sein Fenster, aber %1.
Bitte starten Sie das Programm in einer Desktop-Sitzung.</translation>
    </message>
    <message>
        <source>cannot show its window: %1</source>
        <extracomment>%1 is Qt&apos;s own message, in English.</extracomment>
        <translation>kann sein Fenster nicht anzeigen: %1</translation>
    </message>
    <message>
        <source>no graphical display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>es ist keine grafische Anzeige festgelegt (DISPLAY und WAYLAND_DISPLAY sind leer)</translation>
    </message>
    <message>
        <source>the graphical display %1 cannot be reached</source>
        <extracomment>%1 names the display, as in DISPLAY=:0.</extracomment>
        <translation>die grafische Anzeige %1 ist nicht erreichbar</translation>
    </message>
</context>
</TS>
