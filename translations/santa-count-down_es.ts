<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Cuenta atrás hasta Navidad: una vez por segundo, una ventana muestra el tiempo
que falta hasta la medianoche del 24 al 25 de diciembre en días, horas,
minutos y segundos, junto con la fecha, la hora y la imagen del día.

Un clic en «Days» muestra una vista previa de las imágenes de diciembre, un
día de diciembre de 1992 por clic. Para ello, el programa cambia la fecha del
ordenador y pide permiso para hacerlo; sin permiso, la vista previa tiene
lugar solo dentro de la ventana. EXIT, el clic número 26 y cualquier otro
cierre del programa restablecen la fecha y la hora reales. Solo se ejecuta
una copia a la vez: si se vuelve a iniciar, la ventana existente pasa a
primer plano.</translation>
    </message>
    <message>
        <source>santa-count-down: %1
Try &apos;santa-count-down --help&apos;.
</source>
        <extracomment>%1 is Qt&apos;s own message about the command line.</extracomment>
        <translation>santa-count-down: %1
Pruebe «santa-count-down --help».
</translation>
    </message>
    <message>
        <source>santa-count-down: unexpected argument &apos;%1&apos;
Try &apos;santa-count-down --help&apos;.
</source>
        <translation>santa-count-down: argumento inesperado «%1»
Pruebe «santa-count-down --help».
</translation>
    </message>
</context>
<context>
    <name>DateTexts</name>
    <message>
        <source>Santa Count Down last ended during a December preview without putting the computer&apos;s date back.</source>
        <translation>La última vez, Santa Count Down se cerró durante una vista previa de diciembre sin restablecer la fecha del ordenador.</translation>
    </message>
    <message>
        <source>Please check the date and time in the system settings.</source>
        <translation>Compruebe la fecha y la hora en la configuración del sistema.</translation>
    </message>
    <message>
        <source>The computer&apos;s date may be wrong.</source>
        <translation>Es posible que la fecha del ordenador sea incorrecta.</translation>
    </message>
    <message>
        <source>This program does not have the right to set the computer&apos;s clock.</source>
        <translation>Este programa no tiene permiso para ajustar el reloj del ordenador.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock could not be set (%1).</source>
        <extracomment>%1 is the system&apos;s own description of the error.</extracomment>
        <translation>No se ha podido ajustar el reloj del ordenador (%1).</translation>
    </message>
    <message>
        <source>The system message bus is not available, so the date cannot be changed.</source>
        <translation>El bus de mensajes del sistema no está disponible, por lo que no se puede cambiar la fecha.</translation>
    </message>
    <message>
        <source>The date and time service (systemd-timedated) is not available.</source>
        <translation>El servicio de fecha y hora (systemd-timedated) no está disponible.</translation>
    </message>
    <message>
        <source>The computer keeps its clock in step automatically (network time synchronisation is on), so the date cannot be set by hand.</source>
        <translation>El ordenador mantiene su reloj sincronizado automáticamente (la sincronización horaria por red está activada), por lo que la fecha no se puede ajustar a mano.</translation>
    </message>
    <message>
        <source>Permission to change the date was not given (or the password prompt was dismissed).</source>
        <translation>No se ha concedido permiso para cambiar la fecha (o se ha cerrado la solicitud de contraseña).</translation>
    </message>
    <message>
        <source>Changing the date needs an administrator&apos;s permission, and no password prompt could be shown.</source>
        <translation>Para cambiar la fecha se necesita permiso de administrador, y no se ha podido mostrar ninguna solicitud de contraseña.</translation>
    </message>
    <message>
        <source>The date could not be changed.</source>
        <translation>No se ha podido cambiar la fecha.</translation>
    </message>
    <message>
        <source>The date could not be changed: %1</source>
        <extracomment>%1 is the date and time service&apos;s own message.</extracomment>
        <translation>No se ha podido cambiar la fecha: %1</translation>
    </message>
    <message>
        <source>The date and time service did not answer, so the computer&apos;s date may have been changed.</source>
        <translation>El servicio de fecha y hora no ha respondido, por lo que es posible que la fecha del ordenador haya cambiado.</translation>
    </message>
    <message>
        <source>The program cannot keep a note of the change (%1), so it leaves the date alone.</source>
        <extracomment>%1 says what went wrong with the file.</extracomment>
        <translation>El programa no puede guardar una nota del cambio (%1), por lo que deja la fecha como está.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock already shows a day of December 1992, perhaps set by another copy of Santa Count Down, so this copy leaves the date alone.</source>
        <translation>El reloj del ordenador ya muestra un día de diciembre de 1992, quizá ajustado por otra copia de Santa Count Down, por lo que esta copia deja la fecha como está.</translation>
    </message>
    <message>
        <source>This copy cannot make sure that it is the only one running (%1), so it leaves the date alone.</source>
        <extracomment>%1 says why, for instance that another copy uses the notes in a folder.</extracomment>
        <translation>Esta copia no puede asegurarse de ser la única en ejecución (%1), por lo que deja la fecha como está.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock reads %1 after putting the date back, but the true time is %2.</source>
        <extracomment>%1 is what the clock reads, %2 the true date and time.</extracomment>
        <translation>Tras restablecer la fecha, el reloj del ordenador indica el %1, pero en realidad es el %2.</translation>
    </message>
    <message>
        <source>The computer&apos;s clock is right now, but the date and time service never answered an earlier change, and may still make it. The note of the true time is kept: should the date change, start Santa Count Down again and it will put the date back.</source>
        <translation>Ahora el reloj del ordenador está en hora, pero el servicio de fecha y hora nunca respondió a un cambio anterior y todavía podría aplicarlo. Se conserva la nota de la hora real: si la fecha cambia, vuelva a iniciar Santa Count Down y el programa la restablecerá.</translation>
    </message>
    <message>
        <source>Its note of the true time could not be removed (%1).</source>
        <extracomment>%1 is the note&apos;s file and what went wrong.</extracomment>
        <translation>No se ha podido eliminar la nota de la hora real (%1).</translation>
    </message>
    <message>
        <source>The computer&apos;s date was not changed.</source>
        <translation>No se ha cambiado la fecha del ordenador.</translation>
    </message>
    <message>
        <source>The December preview goes on in this window only; the computer&apos;s clock is not touched.</source>
        <translation>La vista previa de diciembre continúa solo en esta ventana; el reloj del ordenador no se modifica.</translation>
    </message>
    <message>
        <source>The computer&apos;s date could not be changed again.</source>
        <translation>No se ha podido volver a cambiar la fecha del ordenador.</translation>
    </message>
    <message>
        <source>The computer&apos;s date is %1 now, set by this preview, and it will be put back to the true date when the preview ends. The preview goes on in this window only.</source>
        <extracomment>%1 is a date.</extracomment>
        <translation>Esta vista previa ha cambiado la fecha del ordenador al %1; se restablecerá la fecha real cuando termine la vista previa. La vista previa continúa solo en esta ventana.</translation>
    </message>
    <message>
        <source>The date and time service did not answer.</source>
        <translation>El servicio de fecha y hora no ha respondido.</translation>
    </message>
    <message>
        <source>The computer&apos;s date reads %1 now. It will be put back to the true date when the preview ends, or at the next start.</source>
        <extracomment>%1 is a date.</extracomment>
        <translation>Ahora la fecha del ordenador es el %1. Se restablecerá la fecha real cuando termine la vista previa o en el próximo inicio.</translation>
    </message>
    <message>
        <source>The computer&apos;s date may still change.</source>
        <translation>Es posible que la fecha del ordenador todavía cambie.</translation>
    </message>
    <message>
        <source>The computer&apos;s date could not be put back.</source>
        <translation>No se ha podido restablecer la fecha del ordenador.</translation>
    </message>
    <message>
        <source>Please set the date and time in the system settings.</source>
        <translation>Ajuste la fecha y la hora en la configuración del sistema.</translation>
    </message>
    <message>
        <source>The computer&apos;s date is back.</source>
        <translation>La fecha del ordenador vuelve a ser la real.</translation>
    </message>
    <message>
        <source>Please remove it by hand; until then, every start checks the date.</source>
        <translation>Elimínela a mano; hasta entonces, el programa comprobará la fecha cada vez que se inicie.</translation>
    </message>
    <message>
        <source>The computer&apos;s date has been put back.</source>
        <translation>Se ha restablecido la fecha del ordenador.</translation>
    </message>
    <message>
        <source>The true date and time are set again: %1.</source>
        <extracomment>%1 is the date and time now.</extracomment>
        <translation>Se han vuelto a establecer la fecha y la hora reales: %1.</translation>
    </message>
    <message>
        <source>Putting it back now failed. %1 The true time is about %2; please set the date and time in the system settings.</source>
        <extracomment>%1 says why it failed; %2 is the true date and time.</extracomment>
        <translation>Ahora no se ha podido restablecer la fecha. %1 En realidad es, aproximadamente, el %2; ajuste la fecha y la hora en la configuración del sistema.</translation>
    </message>
    <message>
        <source>The computer has been restarted since, so the true time cannot be worked out here; the last time known to be true was %1.</source>
        <extracomment>%1 is a date and time.</extracomment>
        <translation>Desde entonces se ha reiniciado el ordenador, por lo que aquí no se puede calcular la hora real; el último momento real conocido es el %1.</translation>
    </message>
    <message>
        <source>This run may not set the clock the way that run did. The true time is about %1.</source>
        <extracomment>%1 is the true date and time.</extracomment>
        <translation>Esta vez, el programa no puede ajustar el reloj de la forma en que lo hizo entonces. En realidad es, aproximadamente, el %1.</translation>
    </message>
    <message>
        <source>The clock has been set since to a day that no preview sets, so it is left as it is. By the note that run left, the true time is about %1.</source>
        <extracomment>%1 is the true date and time.</extracomment>
        <translation>Desde entonces, el reloj se ha ajustado a un día que ninguna vista previa establece, por lo que se deja como está. Según la nota que dejó entonces el programa, en realidad es, aproximadamente, el %1.</translation>
    </message>
    <message>
        <source>A note of the true time that cannot be right was found.</source>
        <translation>Se ha encontrado una nota de la hora real que no puede ser correcta.</translation>
    </message>
    <message>
        <source>The note %1 says that the true time was last %2, which no preview of this program can have left. It was not used and nothing was changed; it has been removed.</source>
        <extracomment>%1 is the note&apos;s file; %2 a date and time.</extracomment>
        <translation>La nota %1 indica que el último momento real conocido es el %2, algo que ninguna vista previa de este programa puede haber dejado. No se ha utilizado y no se ha cambiado nada; se ha eliminado.</translation>
    </message>
    <message>
        <source>A damaged note of the true time was found.</source>
        <translation>Se ha encontrado una nota de la hora real dañada.</translation>
    </message>
    <message>
        <source>Where Santa Count Down keeps its note of the true time during a preview, %1, there is %2. It was not used and nothing was changed; it has been removed.</source>
        <extracomment>%1 is a file&apos;s path; %2 says what is there, such as &quot;a named pipe&quot;.</extracomment>
        <translation>En %1, donde Santa Count Down guarda su nota de la hora real durante una vista previa, hay %2. No se ha utilizado y no se ha cambiado nada; se ha eliminado.</translation>
    </message>
    <message>
        <source>A note of the true time could not be removed.</source>
        <translation>No se ha podido eliminar una nota de la hora real.</translation>
    </message>
    <message>
        <source>%1 could not be removed (%2). Please remove it by hand.</source>
        <extracomment>%1 is a file&apos;s path; %2 what went wrong.</extracomment>
        <translation>No se ha podido eliminar %1 (%2). Elimínelo a mano.</translation>
    </message>
    <message>
        <source>Ending without waiting for the date to be put back; the next start will put it back.</source>
        <translation>El programa se cierra sin esperar a que se restablezca la fecha; se restablecerá en el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source>Picture for days outside December</source>
        <translation>Imagen de los días fuera de diciembre</translation>
    </message>
    <message>
        <source>Cartoon Santa holding a large white placard that says he will be back in December</source>
        <translation>Papá Noel de dibujos animados con un gran cartel blanco que dice que volverá en diciembre</translation>
    </message>
    <message>
        <source>Picture for 23 December</source>
        <translation>Imagen del 23 de diciembre</translation>
    </message>
    <message>
        <source>Full-length cartoon Santa standing and raising a red-and-white candy cane</source>
        <translation>Papá Noel de dibujos animados, de cuerpo entero, alzando un bastón de caramelo rojo y blanco</translation>
    </message>
    <message>
        <source>Picture for 22 December</source>
        <translation>Imagen del 22 de diciembre</translation>
    </message>
    <message>
        <source>Cartoon Santa behind a long green garland with red berries, holding its ends in his mittens</source>
        <translation>Papá Noel de dibujos animados tras una larga guirnalda verde con bayas rojas que sujeta por las puntas</translation>
    </message>
    <message>
        <source>Picture for 21 December</source>
        <translation>Imagen del 21 de diciembre</translation>
    </message>
    <message>
        <source>Cartoon Santa walking with a sack of toys over his shoulder and bells on his boots</source>
        <translation>Papá Noel de dibujos animados caminando con un saco de juguetes al hombro y cascabeles en las botas</translation>
    </message>
    <message>
        <source>Picture for 20 December</source>
        <translation>Imagen del 20 de diciembre</translation>
    </message>
    <message>
        <source>Cartoon Santa bending over an open sack full of toys, with gift boxes and a toy horse</source>
        <translation>Papá Noel de dibujos animados inclinado sobre un saco lleno de juguetes, con regalos y un caballito</translation>
    </message>
    <message>
        <source>Picture for 19 December</source>
        <translation>Imagen del 19 de diciembre</translation>
    </message>
    <message>
        <source>Grey engraving of four reindeer drawing Santa&apos;s sleigh up through the sky over a village</source>
        <translation>Grabado gris de cuatro renos que tiran del trineo de Papá Noel cielo arriba sobre un pueblo</translation>
    </message>
    <message>
        <source>Picture for 18 December</source>
        <translation>Imagen del 18 de diciembre</translation>
    </message>
    <message>
        <source>White woodcut of Santa in a fur hat reading a large book by a lantern under yellow stars</source>
        <translation>Xilografía blanca: Papá Noel con gorro de piel lee un gran libro junto a un farol bajo estrellas amarillas</translation>
    </message>
    <message>
        <source>Picture for 17 December</source>
        <translation>Imagen del 17 de diciembre</translation>
    </message>
    <message>
        <source>Grey engraving on cream of Santa leaning out of the clouds into a tied bundle of toys</source>
        <translation>Grabado gris sobre fondo crema de Papá Noel que se asoma desde las nubes hacia un hatillo de juguetes</translation>
    </message>
    <message>
        <source>Picture for 16 December</source>
        <translation>Imagen del 16 de diciembre</translation>
    </message>
    <message>
        <source>Engraving of Santa in reading glasses on an old telephone, writing a list with a quill</source>
        <translation>Grabado de Papá Noel con gafas de leer, hablando por un teléfono antiguo y escribiendo una lista con pluma</translation>
    </message>
    <message>
        <source>Picture for 15 December</source>
        <translation>Imagen del 15 de diciembre</translation>
    </message>
    <message>
        <source>Snowy Christmas tree with candles and a star, carol singers and a red greeting ribbon</source>
        <translation>Árbol de Navidad nevado con velas y estrella, un coro de villancicos y una cinta roja de felicitación</translation>
    </message>
    <message>
        <source>Picture for 14 December</source>
        <translation>Imagen del 14 de diciembre</translation>
    </message>
    <message>
        <source>Gold engraving of Santa standing and waving, a ring behind his head, toys over his shoulder</source>
        <translation>Grabado dorado de Papá Noel de pie saludando, con un aro tras la cabeza y juguetes al hombro</translation>
    </message>
    <message>
        <source>Picture for 13 December</source>
        <translation>Imagen del 13 de diciembre</translation>
    </message>
    <message>
        <source>Grey outline drawing of Santa striding through the snow, bent under a huge sack</source>
        <translation>Dibujo lineal gris de Papá Noel avanzando a zancadas por la nieve, encorvado bajo un enorme saco</translation>
    </message>
    <message>
        <source>Picture for 12 December</source>
        <translation>Imagen del 12 de diciembre</translation>
    </message>
    <message>
        <source>Old-fashioned colour picture of Santa seated in a red robe, a little girl on his knee</source>
        <translation>Estampa antigua en color de Papá Noel sentado, con túnica roja y una niña sobre las rodillas</translation>
    </message>
    <message>
        <source>Picture for 11 December</source>
        <translation>Imagen del 11 de diciembre</translation>
    </message>
    <message>
        <source>Stippled drawing of Santa from behind, bent under a huge brown sack of toys in the snow</source>
        <translation>Dibujo punteado de Papá Noel de espaldas, encorvado bajo un enorme saco marrón de juguetes en la nieve</translation>
    </message>
    <message>
        <source>Picture for 10 December</source>
        <translation>Imagen del 10 de diciembre</translation>
    </message>
    <message>
        <source>Santa winking, a finger laid beside his nose, framed by a round holly wreath with berries</source>
        <translation>Papá Noel guiñando un ojo, con un dedo junto a la nariz, dentro de una corona de acebo con bayas</translation>
    </message>
    <message>
        <source>Picture for 9 December</source>
        <translation>Imagen del 9 de diciembre</translation>
    </message>
    <message>
        <source>Engraving of Santa in round spectacles hanging a toy drum on a hook, a doll at his side</source>
        <translation>Grabado de Papá Noel con gafas redondas colgando de un gancho un tambor de juguete, junto a una muñeca</translation>
    </message>
    <message>
        <source>Picture for 8 December</source>
        <translation>Imagen del 8 de diciembre</translation>
    </message>
    <message>
        <source>Engraving of Santa in a fur-trimmed hood leaning over a huge book of names, pointing</source>
        <translation>Grabado de Papá Noel con capucha ribeteada de piel, inclinado sobre un enorme libro de nombres, señalando</translation>
    </message>
    <message>
        <source>Picture for 7 December</source>
        <translation>Imagen del 7 de diciembre</translation>
    </message>
    <message>
        <source>Engraving of Santa at his workbench, hammer raised over a rocking horse, tools on the wall</source>
        <translation>Grabado de Papá Noel en su taller, martillo en alto sobre un caballito balancín, con herramientas en la pared</translation>
    </message>
    <message>
        <source>Picture for 6 December</source>
        <translation>Imagen del 6 de diciembre</translation>
    </message>
    <message>
        <source>Engraving of Santa seen from behind, looking at the moon through a telescope at a window</source>
        <translation>Grabado de Papá Noel de espaldas, mirando la luna con un telescopio desde una ventana</translation>
    </message>
    <message>
        <source>Picture for 5 December</source>
        <translation>Imagen del 5 de diciembre</translation>
    </message>
    <message>
        <source>Cartoon Santa smoking a pipe, a holly sprig on his cap</source>
        <translation>Papá Noel de dibujos animados fumando en pipa, con una ramita de acebo en el gorro</translation>
    </message>
    <message>
        <source>Picture for 4 December</source>
        <translation>Imagen del 4 de diciembre</translation>
    </message>
    <message>
        <source>Cartoon Santa smiling in front of a dark blue disc with falling snow</source>
        <translation>Papá Noel de dibujos animados sonriendo ante un círculo azul oscuro en el que cae la nieve</translation>
    </message>
    <message>
        <source>Picture for 3 December</source>
        <translation>Imagen del 3 de diciembre</translation>
    </message>
    <message>
        <source>Cartoon Santa, head thrown back in laughter and eyes squeezed shut, before a green disc</source>
        <translation>Papá Noel de dibujos animados ante un círculo verde, riendo con la cabeza atrás y los ojos apretados</translation>
    </message>
    <message>
        <source>Picture for 2 December</source>
        <translation>Imagen del 2 de diciembre</translation>
    </message>
    <message>
        <source>Cartoon Santa in profile in front of a pale yellow moon</source>
        <translation>Papá Noel de dibujos animados de perfil ante una luna de color amarillo pálido</translation>
    </message>
    <message>
        <source>Picture for Christmas Day</source>
        <translation>Imagen del día de Navidad</translation>
    </message>
    <message>
        <source>Engraving of Santa asleep in a wing chair, boots up on a stool before a blazing fire</source>
        <translation>Grabado de Papá Noel dormido en un sillón orejero, con las botas sobre un taburete ante un fuego vivo</translation>
    </message>
    <message>
        <source>Picture for 1 December</source>
        <translation>Imagen del 1 de diciembre</translation>
    </message>
    <message>
        <source>Cartoon Santa&apos;s head turned and tilted in a hearty laugh, his red cap flopping over</source>
        <translation>Cabeza de Papá Noel de dibujos animados girada e inclinada en plena carcajada, con el gorro rojo caído</translation>
    </message>
    <message>
        <source>Picture for Christmas Eve</source>
        <translation>Imagen de Nochebuena</translation>
    </message>
    <message>
        <source>Engraving of Santa with his sack climbing into a snowy chimney above a moonlit village</source>
        <translation>Grabado de Papá Noel con su saco metiéndose en una chimenea nevada sobre un pueblo a la luz de la luna</translation>
    </message>
    <message>
        <source>Santa Count Down logo</source>
        <translation>Logotipo de Santa Count Down</translation>
    </message>
    <message>
        <source>A gold star on a snowy fir tree under a gold dome, Santa Count Down arched over it in red</source>
        <translation>Estrella dorada en un abeto nevado bajo una cúpula dorada; encima, Santa Count Down en rojo y en arco</translation>
    </message>
    <message>
        <source>Preview the next day of December (%1)</source>
        <extracomment>%1 is a key combination.</extracomment>
        <translation>Vista previa del siguiente día de diciembre (%1)</translation>
    </message>
    <message>
        <source>Each press shows the next day of December 1992, so that its picture can be seen; the 26th comes back to today. Keyboard: %1.</source>
        <extracomment>%1 is a key combination.</extracomment>
        <translation>Cada pulsación muestra el siguiente día de diciembre de 1992 para que se vea su imagen; la pulsación número 26 vuelve al día de hoy. Teclado: %1.</translation>
    </message>
    <message>
        <source>%1 days until Christmas. %2 previews the days of December.</source>
        <extracomment>What a screen reader reads first. %1 is the days left as the window shows them (&quot;15.42&quot;); %2 a key combination.</extracomment>
        <translation>Faltan %1 días para Navidad. %2 muestra una vista previa de los días de diciembre.</translation>
    </message>
    <message>
        <source>Picture for %1</source>
        <extracomment>A screen reader&apos;s name for the day&apos;s picture; %1 is a date.</extracomment>
        <translation>Imagen del %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Santa Count Down developers</source>
        <translation>Copyright © 2026 los desarrolladores de Santa Count Down</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>Read after a total, as in &quot;2030400.00 seconds&quot;.</extracomment>
        <translation>segundos</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
</context>
<context>
    <name>LockFile</name>
    <message>
        <source>%1 cannot be examined (%2)</source>
        <translation>no se puede examinar %1 (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2)</source>
        <translation>no se puede crear %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>%1 may be written to by other users</source>
        <translation>otros usuarios pueden escribir en %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 es un enlace simbólico</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2)</source>
        <translation>no se puede abrir %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 cannot be locked (%2)</source>
        <translation>no se puede bloquear %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>santa-count-down: already running; its window is brought forward.</source>
        <translation>santa-count-down: ya está en ejecución; su ventana pasa a primer plano.</translation>
    </message>
    <message>
        <source>santa-count-down: already running.</source>
        <translation>santa-count-down: ya está en ejecución.</translation>
    </message>
</context>
<context>
    <name>PreviewRecord</name>
    <message>
        <source>a symbolic link</source>
        <translation>un enlace simbólico</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un archivo</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir en %1</translation>
    </message>
    <message>
        <source>something that cannot be examined (%1)</source>
        <translation>algo que no se puede examinar (%1)</translation>
    </message>
    <message>
        <source>a file that cannot be read (%1)</source>
        <translation>un archivo que no se puede leer (%1)</translation>
    </message>
    <message>
        <source>a file that changed while it was read</source>
        <translation>un archivo que cambió mientras se leía</translation>
    </message>
    <message>
        <source>a file that belongs to another user</source>
        <translation>un archivo que pertenece a otro usuario</translation>
    </message>
    <message>
        <source>a file of %1 bytes, far larger than a note</source>
        <translation>un archivo de %1 bytes, mucho más grande que una nota</translation>
    </message>
    <message>
        <source>a file far larger than a note</source>
        <translation>un archivo mucho más grande que una nota</translation>
    </message>
    <message>
        <source>a file whose contents are not a note of the true time</source>
        <translation>un archivo cuyo contenido no es una nota de la hora real</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>another copy uses the notes in %1</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>otra copia usa las notas de %1</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>there is no runtime folder of this user&apos;s for its lock</source>
        <translation>este usuario no tiene ninguna carpeta de tiempo de ejecución para el bloqueo</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>needs a graphical display to show its window, and %1.
Start it from a desktop session.</source>
        <extracomment>%1 says what is wrong with the display.</extracomment>
        <translation>necesita una pantalla gráfica para mostrar su ventana, pero %1.
Inícielo desde una sesión de escritorio.</translation>
    </message>
    <message>
        <source>cannot show its window: %1</source>
        <extracomment>%1 is Qt&apos;s own message, in English.</extracomment>
        <translation>no puede mostrar su ventana: %1</translation>
    </message>
    <message>
        <source>no graphical display is set (DISPLAY and WAYLAND_DISPLAY are empty)</source>
        <translation>no hay ninguna pantalla gráfica definida (DISPLAY y WAYLAND_DISPLAY están vacías)</translation>
    </message>
    <message>
        <source>the graphical display %1 cannot be reached</source>
        <extracomment>%1 names the display, as in DISPLAY=:0.</extracomment>
        <translation>no se puede acceder a la pantalla gráfica %1</translation>
    </message>
</context>
</TS>
