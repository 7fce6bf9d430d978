<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CoreText</name>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Asteroids</source>
        <translation>Asteroiden</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Hostile</source>
        <translation>Feindlich</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Dürftig</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Exzellent</translation>
    </message>
    <message>
        <source>Subdwarf (VI)</source>
        <translation>Unterzwerg (VI)</translation>
    </message>
    <message>
        <source>White Dwarf (D)</source>
        <translation>Weißer Zwerg (D)</translation>
    </message>
    <message>
        <source>Main Sequence (V)</source>
        <translation>Hauptreihe (V)</translation>
    </message>
    <message>
        <source>Subgiant (IV)</source>
        <translation>Unterriese (IV)</translation>
    </message>
    <message>
        <source>Giant (III)</source>
        <translation>Riese (III)</translation>
    </message>
    <message>
        <source>Large Giant (II)</source>
        <translation>Heller Riese (II)</translation>
    </message>
    <message>
        <source>Super Giant (I)</source>
        <translation>Überriese (I)</translation>
    </message>
    <message>
        <source>Blue (O)</source>
        <translation>Blau (O)</translation>
    </message>
    <message>
        <source>Blue-White (B)</source>
        <translation>Blau-Weiß (B)</translation>
    </message>
    <message>
        <source>White (A)</source>
        <translation>Weiß (A)</translation>
    </message>
    <message>
        <source>Yellow-White (F)</source>
        <translation>Gelb-Weiß (F)</translation>
    </message>
    <message>
        <source>Yellow (G)</source>
        <translation>Gelb (G)</translation>
    </message>
    <message>
        <source>Orange (K)</source>
        <translation>Orange (K)</translation>
    </message>
    <message>
        <source>Red (M)</source>
        <translation>Rot (M)</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Ladefehler</translation>
    </message>
    <message>
        <source>This is not a Kelvane 2.0 file.</source>
        <translation>Dies ist keine Kelvane-2.0-Datei.</translation>
    </message>
    <message>
        <source>IniFile Logic Error</source>
        <translation>Logikfehler der INI-Datei</translation>
    </message>
    <message>
        <source>[Section] and FileName Not Registered in Private.Ini!</source>
        <translation>[Abschnitt] und Dateiname sind in Private.Ini nicht eingetragen!</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Triple</source>
        <translation>Dreifach</translation>
    </message>
    <message>
        <source>Star in its colour</source>
        <translation>Stern in seiner Farbe</translation>
    </message>
    <message>
        <source>Good or Excellent world</source>
        <translation>Gute oder exzellente Welt</translation>
    </message>
    <message>
        <source>Asteroid belts</source>
        <translation>Asteroidengürtel</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>it holds a character that no code has</source>
        <translation>er enthält ein Zeichen, das in keinem Code vorkommt</translation>
    </message>
    <message>
        <source>it is too long</source>
        <translation>er ist zu lang</translation>
    </message>
    <message>
        <source>it is too short or cut off</source>
        <translation>er ist zu kurz oder abgeschnitten</translation>
    </message>
    <message>
        <source>its check does not match; a character is wrong or missing</source>
        <translation>seine Prüfsumme stimmt nicht; ein Zeichen ist falsch oder fehlt</translation>
    </message>
    <message>
        <source>its star is out of range</source>
        <translation>sein Stern liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>its star is not one of the star table</source>
        <translation>sein Stern steht nicht in der Sterntabelle</translation>
    </message>
    <message>
        <source>its clock readings are out of range</source>
        <translation>seine Uhrzeitwerte liegen außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>it was made by another version of Kelvane</source>
        <translation>er wurde von einer anderen Version von Kelvane erstellt</translation>
    </message>
    <message>
        <source>its Bio Zone is out of range</source>
        <translation>seine Biozone liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>its system number is out of range</source>
        <translation>seine Systemnummer liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>is a symbolic link; choose the folder it names</source>
        <translation>ist ein symbolischer Link; wählen Sie den Ordner, auf den er zeigt</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>eine Zeichenkette</translation>
    </message>
    <message>
        <source>an array</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>a value</source>
        <translation>ein Wert</translation>
    </message>
    <message>
        <source>%1 is not a system code: </source>
        <translation>%1 ist kein Systemcode: </translation>
    </message>
    <message>
        <source>holds a carriage return, which a system file cannot keep</source>
        <translation>enthält einen Wagenrücklauf, den eine Systemdatei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>is not a field of a system</source>
        <translation>ist kein Feld eines Systems</translation>
    </message>
    <message>
        <source>%1: </source>
        <translation>%1: </translation>
    </message>
    <message>
        <source>expected </source>
        <translation>erwartet: </translation>
    </message>
    <message>
        <source>, found </source>
        <translation>, gefunden: </translation>
    </message>
    <message>
        <source>%1 is not a whole number from %2 to %3</source>
        <translation>%1 ist keine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 is not a distance in AUs with at most four decimals</source>
        <translation>%1 ist keine Entfernung in AE mit höchstens vier Nachkommastellen</translation>
    </message>
    <message>
        <source>holds %1 orbits; a system has %2</source>
        <translation>enthält %1 Umlaufbahnen; ein System hat %2</translation>
    </message>
    <message>
        <source>%1 stands in the place of orbit %2</source>
        <translation>%1 steht an der Stelle von Umlaufbahn %2</translation>
    </message>
    <message>
        <source>is not a field of an orbit</source>
        <translation>ist kein Feld einer Umlaufbahn</translation>
    </message>
    <message>
        <source>has %1 characters; at most %2</source>
        <translation>hat %1 Zeichen; höchstens %2</translation>
    </message>
    <message>
        <source>position %1 holds %2, not %3 or a space</source>
        <translation>Stelle %1 enthält %2, nicht %3 oder ein Leerzeichen</translation>
    </message>
    <message>
        <source>%1 is not one of None, Hostile, Poor, Average, Good, Excellent</source>
        <translation>%1 ist keiner der Werte None, Hostile, Poor, Average, Good, Excellent</translation>
    </message>
    <message>
        <source>%1, but type %2 is %3</source>
        <translation>%1, aber Typ %2 ist %3</translation>
    </message>
    <message>
        <source>%1 is given, but only a planet has an environment</source>
        <translation>%1 ist angegeben, aber nur ein Planet hat eine Umwelt</translation>
    </message>
    <message>
        <source>a planet needs one of None, Hostile, Poor, Average, Good, Excellent</source>
        <translation>ein Planet braucht einen der Werte None, Hostile, Poor, Average, Good, Excellent</translation>
    </message>
    <message>
        <source>%1 is not one of nothing, asteroids, planet, unknown</source>
        <translation>%1 ist keiner der Werte nothing, asteroids, planet, unknown</translation>
    </message>
    <message>
        <source>%1 is not the name of a star class</source>
        <translation>%1 ist nicht der Name einer Sternklasse</translation>
    </message>
    <message>
        <source>%1 is not the name of a star type of %2</source>
        <translation>%1 ist nicht der Name eines Sterntyps von %2</translation>
    </message>
    <message>
        <source>the array holds no system</source>
        <translation>die Liste enthält kein System</translation>
    </message>
    <message>
        <source>the array holds %1 systems; only one can be read here</source>
        <translation>die Liste enthält %1 Systeme; hier kann nur eines gelesen werden</translation>
    </message>
    <message>
        <source>the file is larger than %1 MiB, too large for a system file</source>
        <translation>die Datei ist größer als %1 MiB, zu groß für eine Systemdatei</translation>
    </message>
    <message>
        <source>the file ends after %1 bytes, inside %2 of orbit %3; a Kelvane 2.0 file has %4</source>
        <translation>die Datei endet nach %1 Bytes, innerhalb von %2 der Umlaufbahn %3; eine Kelvane-2.0-Datei hat %4</translation>
    </message>
    <message>
        <source>the file ends after %1 bytes, inside %2; a Kelvane 2.0 file has %3</source>
        <translation>die Datei endet nach %1 Bytes, innerhalb von %2; eine Kelvane-2.0-Datei hat %3</translation>
    </message>
    <message>
        <source>%1 in orbit block %2, but a system has only ten orbits</source>
        <translation>%1 im Umlaufbahnblock %2, aber ein System hat nur zehn Umlaufbahnen</translation>
    </message>
    <message>
        <source>%1 has no value line; the file ends there</source>
        <translation>%1 hat keine Wertzeile; die Datei endet dort</translation>
    </message>
    <message>
        <source>%1 has more than four decimals (%2)</source>
        <translation>%1 hat mehr als vier Nachkommastellen (%2)</translation>
    </message>
    <message>
        <source>%1 is not a whole number (%2)</source>
        <translation>%1 ist keine ganze Zahl (%2)</translation>
    </message>
    <message>
        <source>an empty line is not a number (%1)</source>
        <translation>eine leere Zeile ist keine Zahl (%1)</translation>
    </message>
    <message>
        <source>%1 is not a number (%2)</source>
        <translation>%1 ist keine Zahl (%2)</translation>
    </message>
    <message>
        <source>%1 does not fit in %2 (%3 to %4)</source>
        <translation>%1 passt nicht in %2 (%3 bis %4)</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>are longer than %1 bytes</source>
        <translation>sind länger als %1 Bytes</translation>
    </message>
    <message>
        <source>are not UTF-8 text</source>
        <translation>sind kein UTF-8-Text</translation>
    </message>
    <message>
        <source>is empty or longer than %1 bytes</source>
        <translation>ist leer oder länger als %1 Bytes</translation>
    </message>
    <message>
        <source>holds a line break or another control character</source>
        <translation>enthält einen Zeilenumbruch oder ein anderes Steuerzeichen</translation>
    </message>
    <message>
        <source>%1 </source>
        <translation>%1 </translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is not a text in quotes</source>
        <translation>%1 ist kein Text in Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 is not a number from %2 to %3</source>
        <translation>%1 ist keine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 is not a star class</source>
        <translation>%1 ist keine Sternklasse</translation>
    </message>
    <message>
        <source>%1 is not a star type of its class</source>
        <translation>%1 ist kein Sterntyp seiner Klasse</translation>
    </message>
    <message>
        <source>%1 is not an environment</source>
        <translation>%1 ist keine Umwelt</translation>
    </message>
    <message>
        <source>the notes </source>
        <translation>die Notizen </translation>
    </message>
    <message>
        <source>%1 is not a hex of the sector</source>
        <translation>%1 ist kein Hexfeld des Sektors</translation>
    </message>
    <message>
        <source>system %1: </source>
        <translation>System %1: </translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>kein Objekt</translation>
    </message>
    <message>
        <source>its code does not read: </source>
        <translation>sein Code ist nicht lesbar: </translation>
    </message>
    <message>
        <source>its code names system %1 of a run; a sector&apos;s codes name one of the first %2</source>
        <translation>sein Code nennt System %1 einer Serie; die Codes eines Sektors nennen eines der ersten %2</translation>
    </message>
    <message>
        <source>more planets and belts than orbits</source>
        <translation>mehr Planeten und Gürtel als Umlaufbahnen</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 ist nicht true oder false</translation>
    </message>
    <message>
        <source>this is not a Kelvane sector file (it has no %1)</source>
        <translation>dies ist keine Kelvane-Sektordatei (sie hat kein %1)</translation>
    </message>
    <message>
        <source>its %1 %2 is a newer version than this program reads; open it with a newer Kelvane</source>
        <translation>ihr %1 %2 ist eine neuere Version, als dieses Programm liest; öffnen Sie sie mit einem neueren Kelvane</translation>
    </message>
    <message>
        <source>its %1 %2 is not a version this program reads</source>
        <translation>ihr %1 %2 ist keine Version, die dieses Programm liest</translation>
    </message>
    <message>
        <source>%1 is not a list</source>
        <translation>%1 ist keine Liste</translation>
    </message>
    <message>
        <source>hex %1 is listed twice</source>
        <translation>Hexfeld %1 ist doppelt aufgeführt</translation>
    </message>
    <message>
        <source>empty hex %1: </source>
        <translation>leeres Hexfeld %1: </translation>
    </message>
    <message>
        <source>hex %1: </source>
        <translation>Hexfeld %1: </translation>
    </message>
    <message>
        <source>the file is larger than %1 MiB</source>
        <translation>die Datei ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>holds %1, which is not a regular file; choose an empty folder or a sector&apos;s own</source>
        <translation>enthält %1, das keine reguläre Datei ist; wählen Sie einen leeren Ordner oder den eines Sektors</translation>
    </message>
    <message>
        <source>holds %1, which is not a sector&apos;s file; choose an empty folder or a sector&apos;s own</source>
        <translation>enthält %1, das keine Datei eines Sektors ist; wählen Sie einen leeren Ordner oder den eines Sektors</translation>
    </message>
    <message>
        <source>holds no sector: it has no %1</source>
        <translation>enthält keinen Sektor: es fehlt %1</translation>
    </message>
    <message>
        <source>not a system</source>
        <translation>kein System</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Kein Platz mehr auf dem Gerät</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Dateisystem nur lesbar</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>another program is writing a folder beside it; try again when it is done</source>
        <translation>ein anderes Programm schreibt gerade einen Ordner daneben; versuchen Sie es erneut, wenn es fertig ist</translation>
    </message>
    <message>
        <source>not a folder that can be replaced</source>
        <translation>kein Ordner, der ersetzt werden kann</translation>
    </message>
    <message>
        <source>unexpected text after the end of the value</source>
        <translation>unerwarteter Text nach dem Ende des Werts</translation>
    </message>
    <message>
        <source>line %1, column %2: </source>
        <translation>Zeile %1, Spalte %2: </translation>
    </message>
    <message>
        <source>expected a value</source>
        <translation>ein Wert erwartet</translation>
    </message>
    <message>
        <source>the text ends where a value should be</source>
        <translation>der Text endet, wo ein Wert stehen sollte</translation>
    </message>
    <message>
        <source>values nest too deep</source>
        <translation>Werte sind zu tief verschachtelt</translation>
    </message>
    <message>
        <source>more than %1 values</source>
        <translation>mehr als %1 Werte</translation>
    </message>
    <message>
        <source>expected a digit after the decimal point</source>
        <translation>eine Ziffer nach dem Dezimalpunkt erwartet</translation>
    </message>
    <message>
        <source>expected a digit in the exponent</source>
        <translation>eine Ziffer im Exponenten erwartet</translation>
    </message>
    <message>
        <source>expected four hex digits after \u</source>
        <translation>vier Hexadezimalziffern nach \u erwartet</translation>
    </message>
    <message>
        <source>the text ends inside a string</source>
        <translation>der Text endet innerhalb einer Zeichenkette</translation>
    </message>
    <message>
        <source>unknown escape in a string</source>
        <translation>unbekannte Escape-Sequenz in einer Zeichenkette</translation>
    </message>
    <message>
        <source>a control character in a string</source>
        <translation>ein Steuerzeichen in einer Zeichenkette</translation>
    </message>
    <message>
        <source>a string that is not UTF-8</source>
        <translation>eine Zeichenkette, die kein UTF-8 ist</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;]&apos;</source>
        <translation>&apos;,&apos; oder &apos;]&apos; erwartet</translation>
    </message>
    <message>
        <source>expected a member name in quotes</source>
        <translation>ein Mitgliedsname in Anführungszeichen erwartet</translation>
    </message>
    <message>
        <source>expected &apos;:&apos; after a member name</source>
        <translation>&apos;:&apos; nach einem Mitgliedsnamen erwartet</translation>
    </message>
    <message>
        <source>expected &apos;,&apos; or &apos;}&apos;</source>
        <translation>&apos;,&apos; oder &apos;}&apos; erwartet</translation>
    </message>
    <message>
        <source>not a session this program keeps</source>
        <translation>keine Sitzung, die dieses Programm aufbewahrt</translation>
    </message>
    <message>
        <source>holds %1, which is not a file of a notes vault; choose an empty folder or a vault&apos;s own</source>
        <translation>enthält %1, das keine Datei eines Notiz-Vaults ist; wählen Sie einen leeren Ordner oder den eines Vaults</translation>
    </message>
    <message>
        <source>holds %1, which is not a regular file</source>
        <translation>enthält %1, das keine reguläre Datei ist</translation>
    </message>
    <message>
        <source>holds %1, which changed since the vault was written; move it away or choose another folder</source>
        <translation>enthält %1, das sich geändert hat, seit der Vault geschrieben wurde; verschieben Sie es oder wählen Sie einen anderen Ordner</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>%1
The file could not be made.</source>
        <translation>%1
Die Datei konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>%1
The file could not be written: %2.</source>
        <translation>%1
Die Datei konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF-Bericht (*.pdf)</translation>
    </message>
    <message>
        <source>Markdown (*.md)</source>
        <translation>Markdown (*.md)</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Kelvane files,*.KVN (*.KVN)</source>
        <translation>Kelvane-Dateien,*.KVN (*.KVN)</translation>
    </message>
    <message>
        <source>%1
This file already exists. Overwrite it?</source>
        <translation>%1
Diese Datei gibt es schon. Überschreiben?</translation>
    </message>
    <message>
        <source>System JSON (*.json)</source>
        <translation>System-JSON (*.json)</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New Orbits &amp;Only</source>
        <translation>Nur neue &amp;Orbits</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden...</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Print &amp;Grey for Black</source>
        <translation>&amp;Grau statt Schwarz drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>&amp;Bild kopieren</translation>
    </message>
    <message>
        <source>Copy as &amp;Text</source>
        <translation>Als &amp;Text kopieren</translation>
    </message>
    <message>
        <source>Copy System &amp;Code</source>
        <translation>System&amp;code kopieren</translation>
    </message>
    <message>
        <source>New from Code...</source>
        <translation>Neu aus Code...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Life Support</source>
        <translation>&amp;Lebenserhaltung</translation>
    </message>
    <message>
        <source>&amp;Poor</source>
        <translation>&amp;Dürftig</translation>
    </message>
    <message>
        <source>&amp;Average</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Good</source>
        <translation>&amp;Gut</translation>
    </message>
    <message>
        <source>&amp;Excellent</source>
        <translation>&amp;Exzellent</translation>
    </message>
    <message>
        <source>&amp;Bio Zone</source>
        <translation>&amp;Biozone</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Double</source>
        <translation>&amp;Doppelt</translation>
    </message>
    <message>
        <source>&amp;Triple</source>
        <translation>D&amp;reifach</translation>
    </message>
    <message>
        <source>&amp;Orbit Display</source>
        <translation>&amp;Orbitanzeige</translation>
    </message>
    <message>
        <source>&amp;Arced</source>
        <translation>&amp;Bogen</translation>
    </message>
    <message>
        <source>&amp;Complete</source>
        <translation>&amp;Vollständig</translation>
    </message>
    <message>
        <source>&amp;Flat</source>
        <translation>&amp;Flach</translation>
    </message>
    <message>
        <source>&amp;Force Orbit</source>
        <translation>Orbit &amp;erzwingen</translation>
    </message>
    <message>
        <source>&amp;Visible Orbit Lines</source>
        <translation>&amp;Sichtbare Orbitlinien</translation>
    </message>
    <message>
        <source>&amp;White Orbit Lines</source>
        <translation>&amp;Weiße Orbitlinien</translation>
    </message>
    <message>
        <source>&amp;Thicker Orbit Lines</source>
        <translation>&amp;Dickere Orbitlinien</translation>
    </message>
    <message>
        <source>&amp;Colored Text</source>
        <translation>&amp;Farbiger Text</translation>
    </message>
    <message>
        <source>&amp;Sector</source>
        <translation>&amp;Sektor</translation>
    </message>
    <message>
        <source>&amp;New Sector...</source>
        <translation>&amp;Neuer Sektor...</translation>
    </message>
    <message>
        <source>&amp;Open Sector...</source>
        <translation>Sektor ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Save Sector &amp;As...</source>
        <translation>Sektor speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>Show Quick Tips Window</source>
        <translation>Schnelltipps anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Kelvane...</source>
        <translation>Ü&amp;ber Kelvane...</translation>
    </message>
    <message>
        <source>&amp;Planet</source>
        <translation>&amp;Planet</translation>
    </message>
    <message>
        <source>&amp;Asteroids</source>
        <translation>&amp;Asteroiden</translation>
    </message>
    <message>
        <source>&amp;Nothing</source>
        <translation>&amp;Nichts</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;Hostile</source>
        <translation>&amp;Feindlich</translation>
    </message>
    <message>
        <source>&amp;Rename Sector...</source>
        <translation>&amp;Sektor umbenennen...</translation>
    </message>
    <message>
        <source>Export Notes &amp;Vault...</source>
        <translation>Notiz-&amp;Vault exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import System...</source>
        <translation>System &amp;importieren...</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Saving the sector in %1...</source>
        <translation>Der Sektor wird in %1 gespeichert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save Sector As</source>
        <translation>Sektor speichern unter</translation>
    </message>
    <message>
        <source>Open Sector</source>
        <translation>Sektor öffnen</translation>
    </message>
    <message>
        <source>Write the book (sector.pdf)</source>
        <translation>Das Buch schreiben (sector.pdf)</translation>
    </message>
    <message>
        <source>Rename Sector</source>
        <translation>Sektor umbenennen</translation>
    </message>
    <message>
        <source>Sector name:</source>
        <translation>Name des Sektors:</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved. Save them?</source>
        <translation>%1 hat Änderungen, die nicht gespeichert sind. Speichern?</translation>
    </message>
    <message>
        <source>Export Notes Vault</source>
        <translation>Notiz-Vault exportieren</translation>
    </message>
</context>
<context>
    <name>SectorBook</name>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Notes, continued</source>
        <translation>Notizen, Fortsetzung</translation>
    </message>
    <message>
        <source>%1: notes, continued</source>
        <translation>%1: Notizen, Fortsetzung</translation>
    </message>
</context>
<context>
    <name>SectorCaptions</name>
    <message>
        <source>%1: %2 x %3 hexes, 1 system</source>
        <translation>%1: %2 x %3 Hexfelder, 1 System</translation>
    </message>
    <message>
        <source>%1: %2 x %3 hexes, %4 systems</source>
        <translation>%1: %2 x %3 Hexfelder, %4 Systeme</translation>
    </message>
    <message>
        <source>Life Support %1, Bio Zone %2</source>
        <translation>Lebenserhaltung %1, Biozone %2</translation>
    </message>
    <message>
        <source>%1, density %2</source>
        <translation>%1, Dichte %2</translation>
    </message>
    <message>
        <source>Sector %1</source>
        <translation>Sektor %1</translation>
    </message>
</context>
<context>
    <name>SectorCommands</name>
    <message>
        <source>No sector was made: its %1.</source>
        <translation>Es wurde kein Sektor erstellt: %1.</translation>
    </message>
    <message>
        <source>%1
This folder holds no sector: it has no %2.</source>
        <translation>%1
Dieser Ordner enthält keinen Sektor: Es fehlt %2.</translation>
    </message>
    <message>
        <source>%1
This sector cannot be opened.
%2</source>
        <translation>%1
Dieser Sektor kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>The sector was not saved.
%1: %2</source>
        <translation>Der Sektor wurde nicht gespeichert.
%1: %2</translation>
    </message>
    <message>
        <source>%1
This folder holds a sector already. Replace it?</source>
        <translation>%1
Dieser Ordner enthält schon einen Sektor. Ersetzen?</translation>
    </message>
    <message>
        <source>The name %1.</source>
        <translation>Der Name: %1.</translation>
    </message>
</context>
<context>
    <name>SystemReport</name>
    <message>
        <source>Kelvane Sector Map</source>
        <translation>Kelvane Sektorkarte</translation>
    </message>
    <message>
        <source>Star Type</source>
        <translation>Sternentyp</translation>
    </message>
    <message>
        <source>Star Class</source>
        <translation>Sternklasse</translation>
    </message>
    <message>
        <source>Habitable Zone</source>
        <translation>Habitable Zone</translation>
    </message>
    <message>
        <source>Orbit</source>
        <translation>Orbit</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Umwelt</translation>
    </message>
    <message>
        <source>Moons</source>
        <translation>Monde</translation>
    </message>
    <message>
        <source>AUs</source>
        <translation>AE</translation>
    </message>
    <message>
        <source>Elements Available</source>
        <translation>Verfügbare Elemente</translation>
    </message>
    <message>
        <source>Unnamed System</source>
        <translation>Unbenanntes System</translation>
    </message>
    <message>
        <source>%1 to %2 AUs</source>
        <translation>%1 bis %2 AE</translation>
    </message>
    <message>
        <source>Kelvane System Report</source>
        <translation>Kelvane Systembericht</translation>
    </message>
    <message>
        <source>Kelvane Sector Notes</source>
        <translation>Kelvane Sektornotizen</translation>
    </message>
</context>
<context>
    <name>kelvane::Controller</name>
    <message>
        <source>The sector kept from the last session could not be opened: %1</source>
        <translation>Der Sektor aus der letzten Sitzung konnte nicht geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>kelvane::LabelGrid</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>kelvane::SectorMapView</name>
    <message>
        <source>Sector map</source>
        <translation>Sektorkarte</translation>
    </message>
    <message>
        <source>%1: no system</source>
        <translation>%1: kein System</translation>
    </message>
</context>
<context>
    <name>kelvane::SystemDocument</name>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Asteroids</source>
        <translation>Asteroiden</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Orbit %1: %2</source>
        <translation>Orbit %1: %2</translation>
    </message>
    <message>
        <source>New System</source>
        <translation>Neues System</translation>
    </message>
    <message>
        <source>New Orbits</source>
        <translation>Neue Orbits</translation>
    </message>
    <message>
        <source>New from Code</source>
        <translation>Neu aus Code</translation>
    </message>
    <message>
        <source>Force Orbit %1</source>
        <translation>Orbit %1 erzwingen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Load %1</source>
        <translation>%1 laden</translation>
    </message>
    <message>
        <source>Hex %1 (%2)</source>
        <translation>Hex %1 (%2)</translation>
    </message>
    <message>
        <source>Notes %1</source>
        <translation>Notizen %1</translation>
    </message>
    <message>
        <source>Rename Sector</source>
        <translation>Sektor umbenennen</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
</context>
<context>
    <name>kelvane::frmElements</name>
    <message>
        <source>Elements</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Orbit</source>
        <translation>Orbit</translation>
    </message>
    <message>
        <source>Elements Available</source>
        <translation>Verfügbare Elemente</translation>
    </message>
</context>
<context>
    <name>kelvane::frmForceOrbit</name>
    <message>
        <source>Force Orbit</source>
        <translation>Orbit erzwingen</translation>
    </message>
    <message>
        <source>Fill Orbit With...</source>
        <translation>Orbit füllen mit...</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>Planet</translation>
    </message>
    <message>
        <source>Asteroids</source>
        <translation>Asteroiden</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <source>Orbit&apos;s AUs:</source>
        <translation>AE des Orbits:</translation>
    </message>
    <message>
        <source>Within Biozone?</source>
        <translation>In der Biozone?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Planet Environment</source>
        <translation>Umwelt des Planeten</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Hostile</source>
        <translation>Feindlich</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Dürftig</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Exzellent</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Force Orbit %1</source>
        <translation>Orbit %1 erzwingen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>kelvane::frmInfo</name>
    <message>
        <source>Orbit</source>
        <translation>Orbit</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Umwelt</translation>
    </message>
    <message>
        <source>Moons</source>
        <translation>Monde</translation>
    </message>
    <message>
        <source>AUs</source>
        <translation>AE</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>System Name</source>
        <translation>Systemname</translation>
    </message>
    <message>
        <source>Star Type</source>
        <translation>Sternentyp</translation>
    </message>
    <message>
        <source>Star Class</source>
        <translation>Sternklasse</translation>
    </message>
    <message>
        <source>Habitable Zone</source>
        <translation>Habitable Zone</translation>
    </message>
    <message>
        <source>Orbits</source>
        <translation>Orbits</translation>
    </message>
    <message>
        <source>%1 to %2 AUs</source>
        <translation>%1 bis %2 AE</translation>
    </message>
</context>
<context>
    <name>kelvane::frmNewFromCode</name>
    <message>
        <source>New from Code</source>
        <translation>Neu aus Code</translation>
    </message>
    <message>
        <source>&amp;System code:</source>
        <translation>&amp;Systemcode:</translation>
    </message>
    <message>
        <source>This is not a system code: %1.</source>
        <translation>Das ist kein Systemcode: %1.</translation>
    </message>
</context>
<context>
    <name>kelvane::frmNewSector</name>
    <message>
        <source>New Sector</source>
        <translation>Neuer Sektor</translation>
    </message>
    <message>
        <source>&amp;Width (columns):</source>
        <translation>&amp;Breite (Spalten):</translation>
    </message>
    <message>
        <source>&amp;Height (rows):</source>
        <translation>&amp;Höhe (Zeilen):</translation>
    </message>
    <message>
        <source>The chance that a hex holds a system</source>
        <translation>Die Wahrscheinlichkeit, dass ein Hexfeld ein System enthält</translation>
    </message>
    <message>
        <source>&amp;Density:</source>
        <translation>&amp;Dichte:</translation>
    </message>
    <message>
        <source>&amp;Random seed</source>
        <translation>&amp;Zufälliger Startwert</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <source>As the Options menu has them</source>
        <translation>Wie im Menü Optionen eingestellt</translation>
    </message>
    <message>
        <source>Systems:</source>
        <translation>Systeme:</translation>
    </message>
    <message>
        <source>The seed is a whole number from 0 to 18446744073709551615.</source>
        <translation>Der Startwert ist eine ganze Zahl von 0 bis 18446744073709551615.</translation>
    </message>
</context>
<context>
    <name>kelvane::frmOrbitalDisplay</name>
    <message>
        <source>Orbital Display</source>
        <translation>Orbitanzeige</translation>
    </message>
    <message>
        <source>Orbital Display (%1)</source>
        <translation>Orbitanzeige (%1)</translation>
    </message>
    <message>
        <source>&lt;Unnamed System&gt;</source>
        <translation>&lt;Unbenanntes System&gt;</translation>
    </message>
</context>
<context>
    <name>kelvane::frmPreview</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>Ganze &amp;Seite</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>Seiten&amp;breite</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
</context>
<context>
    <name>kelvane::frmQuickOpts</name>
    <message>
        <source>&amp;Generate System</source>
        <translation>System &amp;erzeugen</translation>
    </message>
    <message>
        <source>Re-Generate Orbits</source>
        <translation>Neue Orbits</translation>
    </message>
    <message>
        <source>Quick Tips</source>
        <translation>Schnelltipps</translation>
    </message>
    <message>
        <source>You can generate a new system at any time by clicking the button above, or by selecting New from either the toolbar or the File menu.</source>
        <translation>Ein neues System erzeugen Sie jederzeit mit der Schaltfläche oben oder mit Neu in der Werkzeugleiste oder im Menü Datei.</translation>
    </message>
    <message>
        <source>You can force an orbit to a contain a particular feature by using the Force Orbit options from the Options menu, or by right-clicking on the orbit in the Orbital Display.</source>
        <translation>Mit Orbit erzwingen im Menü Optionen, oder mit einem Rechtsklick auf den Orbit in der Orbitanzeige, legen Sie fest, was ein Orbit enthält.</translation>
    </message>
    <message>
        <source>You can also right-click on the items in the Contains or Environment columns of the Information window to change values there.</source>
        <translation>Auch ein Rechtsklick auf die Einträge der Spalten Inhalt und Umwelt im Fenster Information ändert die Werte dort.</translation>
    </message>
</context>
<context>
    <name>kelvane::frmSector</name>
    <message>
        <source>Sector</source>
        <translation>Sektor</translation>
    </message>
    <message>
        <source>%1; not saved</source>
        <translation>%1; nicht gespeichert</translation>
    </message>
    <message>
        <source>%1; in %2</source>
        <translation>%1; in %2</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Notes: choose a hex on the map</source>
        <translation>Notizen: ein Hexfeld auf der Karte wählen</translation>
    </message>
    <message>
        <source>Notes on %1 %2</source>
        <translation>Notizen zu %1 %2</translation>
    </message>
    <message>
        <source>Notes on %1</source>
        <translation>Notizen zu %1</translation>
    </message>
</context>
<context>
    <name>kelvane::frmSplash</name>
    <message>
        <source>About Kelvane...</source>
        <translation>Über Kelvane...</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Written by the Kelvane developers</source>
        <translation>Geschrieben von den Kelvane-Entwicklern</translation>
    </message>
    <message>
        <source>Star systems for role-playing and world building</source>
        <translation>Sternsysteme für Rollenspiel und Weltenbau</translation>
    </message>
    <message>
        <source>Roll a star, fill its orbits, print the sheet</source>
        <translation>Stern auswürfeln, Orbits füllen, Blatt drucken</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Every system here is made up.</source>
        <translation>Jedes System hier ist erfunden.</translation>
    </message>
    <message>
        <source>Any likeness to real stars is chance.</source>
        <translation>Ähnlichkeiten mit echten Sternen sind Zufall.</translation>
    </message>
</context>
<context>
    <name>kelvane::mdiMain</name>
    <message>
        <source>Kelvane</source>
        <translation>Kelvane</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Orbit display style</source>
        <translation>Art der Orbitanzeige</translation>
    </message>
    <message>
        <source>Arced</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Vollständig</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Flach</translation>
    </message>
    <message>
        <source>System Code: %1</source>
        <translation>Systemcode: %1</translation>
    </message>
</context>
</TS>
