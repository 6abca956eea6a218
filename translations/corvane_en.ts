<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>AdifWatcher</name>
    <message>
        <source>Das Logbuch %1 enthält kein QSO (gelesen bis Byte %2 von %3</source>
        <translation>The log %1 holds no QSO (read up to byte %2 of %3</translation>
    </message>
    <message>
        <source>: dort beginnt ein Feld, das über das Dateiende hinausreicht)</source>
        <translation>: a field starting there runs past the end of the file)</translation>
    </message>
    <message>
        <source>Das Logbuch %1 kann nicht gelesen werden: %2</source>
        <translation>The log %1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>BeamMapCache</name>
    <message>
        <source>Die Weltkarte %1Welt.bmp mit Welt.inf fehlt; die Beamkarte bleibt, wie sie ist</source>
        <translation>The world map %1Welt.bmp with Welt.inf is missing; the beam map stays as it is</translation>
    </message>
    <message>
        <source>Die Beamkarte %1</source>
        <translation>The beam map %1</translation>
    </message>
</context>
<context>
    <name>ClusterClient</name>
    <message>
        <source>Cluster: ohne Rufzeichen keine Anmeldung</source>
        <translation>Cluster: no login without a callsign</translation>
    </message>
    <message>
        <source>Cluster: verbindet …</source>
        <translation>Cluster: connecting …</translation>
    </message>
    <message>
        <source>Cluster: verbunden</source>
        <translation>Cluster: connected</translation>
    </message>
    <message>
        <source>Cluster: Verbindung verloren, neuer Versuch folgt</source>
        <translation>Cluster: connection lost, trying again</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unbekannte Angabe: %1</source>
        <translation>Unknown argument: %1</translation>
    </message>
    <message>
        <source>Aufruf: Corvane [--lang de|en]

Richtung und Entfernung zur Gegenstation auf Welt- und Beamkarte, Antenne drehen.

  --lang de|en   Sprache der Oberfläche für diesen Start, statt der in den Parametern
                 gewählten ([Parameter] Sprache in Corvane.ini)
  -h, --help     zeigt diese Hilfe
</source>
        <translation>Usage: Corvane [--lang de|en]

Bearing and distance to the other station on a world map and a beam map, and turning the antenna.

  --lang de|en   language of the user interface for this start, instead of the one chosen
                 in the parameters ([Parameter] Sprache in Corvane.ini)
  -h, --help     shows this help
</translation>
    </message>
    <message>
        <source>--lang erwartet de oder en.</source>
        <translation>--lang expects de or en.</translation>
    </message>
</context>
<context>
    <name>CoordinateText</name>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
</context>
<context>
    <name>CursorReadout</name>
    <message>
        <source>°O </source>
        <translation>°E </translation>
    </message>
    <message>
        <source>Entfernung: </source>
        <translation>Distance: </translation>
    </message>
    <message>
        <source>Antennenwinkel: </source>
        <translation>Beam heading: </translation>
    </message>
</context>
<context>
    <name>DirectionLine</name>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Gleitkommawert</source>
        <translation>&apos;%1&apos; is not a valid number</translation>
    </message>
</context>
<context>
    <name>DirectionsFile</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Der Eintrag &quot;%1&quot; enthält Zeichen, die in %2 nicht gespeichert werden können</source>
        <translation>The entry &quot;%1&quot; holds characters that cannot be stored in %2</translation>
    </message>
    <message>
        <source>Die Datei %1</source>
        <translation>The file %1</translation>
    </message>
</context>
<context>
    <name>DirectionsList</name>
    <message>
        <source>; die Liste wird nicht gespeichert</source>
        <translation>; the list is not saved</translation>
    </message>
</context>
<context>
    <name>DxSpotsWindow</name>
    <message>
        <source>DX-Spots</source>
        <translation>DX spots</translation>
    </message>
    <message>
        <source>alle Bänder</source>
        <translation>all bands</translation>
    </message>
    <message>
        <source>alle</source>
        <translation>all</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Rufzeichen</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Richtung</source>
        <translation>Bearing</translation>
    </message>
    <message>
        <source>Entfernung</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>neu</source>
        <translation>new</translation>
    </message>
    <message>
        <source>&amp;Band:</source>
        <translation>&amp;Band:</translation>
    </message>
    <message>
        <source>&amp;Karte: Band</source>
        <translation>&amp;Map: band</translation>
    </message>
    <message>
        <source>Karte: &amp;Alter</source>
        <translation>Map: &amp;age</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
</context>
<context>
    <name>FileErrorText</name>
    <message>
        <source>der Ordner %1 ist nicht vorhanden</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>keine Schreibberechtigung im Ordner %1</source>
        <translation>no permission to write in the folder %1</translation>
    </message>
    <message>
        <source>die Datei ist schreibgeschützt</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>Datenträger voll oder Schreibfehler</source>
        <translation>disk full or write error</translation>
    </message>
    <message>
        <source>Datei lässt sich nicht öffnen</source>
        <translation>file cannot be opened</translation>
    </message>
    <message>
        <source>Datei nicht vorhanden</source>
        <translation>file does not exist</translation>
    </message>
    <message>
        <source>Datei lässt sich nicht umbenennen</source>
        <translation>file cannot be renamed</translation>
    </message>
    <message>
        <source>Datei lässt sich nicht entfernen</source>
        <translation>file cannot be removed</translation>
    </message>
    <message>
        <source>Zeitüberschreitung</source>
        <translation>timed out</translation>
    </message>
    <message>
        <source>Vorgang abgebrochen</source>
        <translation>operation aborted</translation>
    </message>
    <message>
        <source>keine Leseberechtigung</source>
        <translation>no permission to read</translation>
    </message>
    <message>
        <source>Lesefehler</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source>unbekannter Fehler</source>
        <translation>unknown error</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>%1 ist schreibgeschützt</source>
        <translation>%1 is read-only</translation>
    </message>
    <message>
        <source>%1 kann nicht geschrieben werden: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Datenträger voll oder Schreibfehler</source>
        <translation>disk full or write error</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Die gewählte Sprache gilt ab dem nächsten Start von Corvane.</source>
        <translation>The language chosen applies from the next start of Corvane.</translation>
    </message>
</context>
<context>
    <name>MapCalibration</name>
    <message>
        <source>weniger als zwei Himmelsrichtungen</source>
        <translation>fewer than two cardinal directions</translation>
    </message>
    <message>
        <source>zwei Werte derselben Art</source>
        <translation>two values of the same kind</translation>
    </message>
    <message>
        <source>Kalibrierdatei %1 kann nicht gelesen werden</source>
        <translation>Calibration file %1 cannot be read</translation>
    </message>
</context>
<context>
    <name>MapCatalogue</name>
    <message>
        <source>Die Kalibrierdatei %1 beschreibt kein Kartenrechteck</source>
        <translation>The calibration file %1 describes no map rectangle</translation>
    </message>
    <message>
        <source>Die Karte %1 kann nicht gelesen werden</source>
        <translation>The map %1 cannot be read</translation>
    </message>
</context>
<context>
    <name>ParameterRules</name>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
</context>
<context>
    <name>PartnerScripting</name>
    <message>
        <source>&apos;%1&apos; ist zu lang (%2 Zeichen, höchstens %3)</source>
        <translation>&apos;%1&apos; is too long (%2 characters, at most %3)</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist weder Locator noch Koordinate noch Rufzeichen</source>
        <translation>&apos;%1&apos; is neither a locator nor a coordinate nor a callsign</translation>
    </message>
    <message>
        <source>&apos;%1&apos; ist kein Datum der Form JJJJ-MM-TT</source>
        <translation>&apos;%1&apos; is no date of the form YYYY-MM-DD</translation>
    </message>
</context>
<context>
    <name>PortHolder</name>
    <message>
        <source>Port %1 belegt von %2 (PID %3)</source>
        <translation>Port %1 taken by %2 (PID %3)</translation>
    </message>
    <message>
        <source>Port %1 belegt</source>
        <translation>Port %1 taken</translation>
    </message>
</context>
<context>
    <name>ReferenceDataLoader</name>
    <message>
        <source>Datei nicht gefunden: %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>Datei %1 kann nicht gelesen werden: %2</source>
        <translation>File %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Lesefehler in %1: die Datei ist kürzer als %2 Bytes</source>
        <translation>Read error in %1: the file is shorter than %2 bytes</translation>
    </message>
</context>
<context>
    <name>RotorMacros</name>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Integerwert</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
</context>
<context>
    <name>RotorSetupWindow</name>
    <message>
        <source>Hersteller oder Modell</source>
        <translation>maker or model</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 oder localhost:4533</source>
        <translation>/dev/ttyUSB0 or localhost:4533</translation>
    </message>
    <message>
        <source>wie der Rotor</source>
        <translation>as the rotor</translation>
    </message>
    <message>
        <source>aus, z. B. 4533</source>
        <translation>off, e.g. 4533</translation>
    </message>
    <message>
        <source>die des Rotors</source>
        <translation>the rotor&apos;s</translation>
    </message>
    <message>
        <source>&amp;Prüfen</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>Ü&amp;bernehmen</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>Rotor einrichten</source>
        <translation>Rotor set-up</translation>
    </message>
    <message>
        <source>&amp;Suche:</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>&amp;Modell:</source>
        <translation>&amp;Model:</translation>
    </message>
    <message>
        <source>&amp;Gerät oder host:port:</source>
        <translation>&amp;Device or host:port:</translation>
    </message>
    <message>
        <source>Serielle Gesch&amp;windigkeit (Baud):</source>
        <translation>Serial s&amp;peed (baud):</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>&amp;Drehbereich (Grad):</source>
        <translation>&amp;Travel range (degrees):</translation>
    </message>
    <message>
        <source>Andere Programme und Bewegung</source>
        <translation>Other programs and movement</translation>
    </message>
    <message>
        <source>rotctld-Ser&amp;ver ([Adresse:]Port):</source>
        <translation>rotctld ser&amp;ver ([address:]port):</translation>
    </message>
    <message>
        <source>Pst&amp;Rotator-UDP ([Adresse:]Port oder aus):</source>
        <translation>Pst&amp;Rotator UDP ([address:]port or off):</translation>
    </message>
    <message>
        <source>N1MM-&amp;UDP ([Adresse:]Port oder aus):</source>
        <translation>N1MM &amp;UDP ([address:]port or off):</translation>
    </message>
    <message>
        <source>P&amp;arkposition Azimut (Grad):</source>
        <translation>Par&amp;k position azimuth (degrees):</translation>
    </message>
    <message>
        <source>&amp;Totzone (Grad):</source>
        <translation>Dead &amp;band (degrees):</translation>
    </message>
    <message>
        <source>Mindestabstand der Befe&amp;hle (ms):</source>
        <translation>Least &amp;interval between commands (ms):</translation>
    </message>
    <message>
        <source>S&amp;chließen</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>Das Rotorprogramm %1 lässt sich nicht starten.</source>
        <translation>The rotor program %1 cannot be started.</translation>
    </message>
    <message>
        <source>Das Rotorprogramm %1 nennt keine Rotormodelle.</source>
        <translation>The rotor program %1 names no rotor models.</translation>
    </message>
    <message>
        <source>Der Rotor wird geöffnet …</source>
        <translation>Opening the rotor …</translation>
    </message>
    <message>
        <source>Wird eingetragen …</source>
        <translation>Registering …</translation>
    </message>
    <message>
        <source>
Das Rotorprogramm hat nicht rechtzeitig geantwortet. Nichts eingetragen.</source>
        <translation>
The rotor program did not answer in time. Nothing registered.</translation>
    </message>
    <message>
        <source>
Das Rotorprogramm wird mit den neuen Einstellungen neu gestartet.</source>
        <translation>
The rotor program is restarted with the new settings.</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Die Einstellungsdatei %1</source>
        <translation>The settings file %1</translation>
    </message>
</context>
<context>
    <name>SpotSources</name>
    <message>
        <source>Logbuch: %1 QSOs gelesen</source>
        <translation>Log: %1 QSOs read</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Der Ordner %1 kann nicht zum aktuellen Ordner gemacht werden</source>
        <translation>The folder %1 cannot be made the current folder</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden; Einstellungen werden nicht gespeichert</source>
        <translation>The folder %1 cannot be created; settings are not saved</translation>
    </message>
</context>
<context>
    <name>SunEvents</name>
    <message>
        <source>Polartag</source>
        <translation>polar day</translation>
    </message>
    <message>
        <source>Polarnacht</source>
        <translation>polar night</translation>
    </message>
</context>
<context>
    <name>TF_Rotor</name>
    <message>
        <source>Parken nicht möglich: %1</source>
        <translation>Cannot park: %1</translation>
    </message>
    <message>
        <source>Kein Rotorprogramm verbunden</source>
        <translation>No rotor program connected</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>zu großer Zoomfaktor</source>
        <translation>zoom factor too large</translation>
    </message>
</context>
<context>
    <name>TForm10</name>
    <message>
        <source>Die Beamkarte %1 kann nicht gelesen werden</source>
        <translation>The beam map %1 cannot be read</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Fadenkreuzdaten</source>
        <translation>Crosshair data</translation>
    </message>
    <message>
        <source>Basisdaten</source>
        <translation>Basic data</translation>
    </message>
    <message>
        <source>Länge:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Entfernung:</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <source>Winkel:</source>
        <translation>Bearing:</translation>
    </message>
    <message>
        <source>Langer Weg:</source>
        <translation>Long path:</translation>
    </message>
    <message>
        <source>Winkel langer Weg:</source>
        <translation>Bearing long path:</translation>
    </message>
    <message>
        <source>Cursorposition</source>
        <translation>Cursor position</translation>
    </message>
    <message>
        <source>Land:</source>
        <translation>Country:</translation>
    </message>
    <message>
        <source>Kenner:</source>
        <translation>Prefix:</translation>
    </message>
    <message>
        <source>Stadt:</source>
        <translation>City:</translation>
    </message>
    <message>
        <source>Entf: Cursor zur nächsten Stadt:</source>
        <translation>Dist. cursor to nearest city:</translation>
    </message>
    <message>
        <source>Sonne (UTC)</source>
        <translation>Sun (UTC)</translation>
    </message>
    <message>
        <source>Auf-/Untergang hier:</source>
        <translation>Sunrise/sunset here:</translation>
    </message>
    <message>
        <source>Auf-/Untergang Ziel:</source>
        <translation>Sunrise/sunset target:</translation>
    </message>
    <message>
        <source>Graulinie:</source>
        <translation>Greyline:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Parameter</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>für beide Karten</source>
        <translation>both maps</translation>
    </message>
    <message>
        <source>Anzeige Mausposition</source>
        <translation>Mouse position</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Anzeige Städte/Inseln</source>
        <translation>Cities/islands</translation>
    </message>
    <message>
        <source>Kreisdurchmesser:</source>
        <translation>Dot diameter:</translation>
    </message>
    <message>
        <source>Anzeigeabweichung</source>
        <translation>Display offset</translation>
    </message>
    <message>
        <source>Mercatorkarte</source>
        <translation>Mercator map</translation>
    </message>
    <message>
        <source>Locatorraster</source>
        <translation>Locator grid</translation>
    </message>
    <message>
        <source>kein</source>
        <translation>none</translation>
    </message>
    <message>
        <source>grob (z.B. JO)</source>
        <translation>coarse (e.g. JO)</translation>
    </message>
    <message>
        <source>mittel (z.B. JO45)</source>
        <translation>medium (e.g. JO45)</translation>
    </message>
    <message>
        <source>fein (z.B. JO45RT)</source>
        <translation>fine (e.g. JO45RT)</translation>
    </message>
    <message>
        <source>Beamkarte</source>
        <translation>Beam map</translation>
    </message>
    <message>
        <source>Entfernungskreise:</source>
        <translation>Distance circles:</translation>
    </message>
    <message>
        <source>Azimutrotor</source>
        <translation>Azimuth rotor</translation>
    </message>
    <message>
        <source>Rotorstart nach Locatoreingabe sofort</source>
        <translation>Turn the rotor as soon as a locator is entered</translation>
    </message>
    <message>
        <source>optimierter Fahrweg</source>
        <translation>optimised path</translation>
    </message>
    <message>
        <source>Überlappungswinkel</source>
        <translation>Overlap angle</translation>
    </message>
    <message>
        <source>Elevationsrotor</source>
        <translation>Elevation rotor</translation>
    </message>
    <message>
        <source>Elevation bei Programmstart auf Grundeinstellung</source>
        <translation>Elevation to its basic setting at start</translation>
    </message>
    <message>
        <source>Grundeinstellung = </source>
        <translation>Basic setting = </translation>
    </message>
    <message>
        <source>Grad            Ist :</source>
        <translation>deg             Now :</translation>
    </message>
    <message>
        <source>Grad</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>Partner über UDP übernehmen</source>
        <translation>Take the partner over UDP</translation>
    </message>
    <message>
        <source>Adresse:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Sonne und Beschriftung</source>
        <translation>Sun and labels</translation>
    </message>
    <message>
        <source>Tag und Nacht zeigen</source>
        <translation>Show day and night</translation>
    </message>
    <message>
        <source>Karten beschriften</source>
        <translation>Label the maps</translation>
    </message>
    <message>
        <source>Öffnungswinkel der Antenne:</source>
        <translation>Antenna beamwidth:</translation>
    </message>
    <message>
        <source>deg (0: aus)</source>
        <translation>deg (0: off)</translation>
    </message>
    <message>
        <source>DX-Cluster und Logbuch</source>
        <translation>DX cluster and log</translation>
    </message>
    <message>
        <source>Logbuch (ADIF):</source>
        <translation>Log (ADIF):</translation>
    </message>
    <message>
        <source>Logbuch wählen</source>
        <translation>Choose the log</translation>
    </message>
    <message>
        <source>ADIF (*.adi *.ADI);;Alle Dateien (*)</source>
        <translation>ADIF (*.adi *.ADI);;All files (*)</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>nicht nutzbar</source>
        <translation>not usable</translation>
    </message>
    <message>
        <source>empfangsbereit, auch aus dem Netz</source>
        <translation>listening, also from the network</translation>
    </message>
    <message>
        <source>empfangsbereit</source>
        <translation>listening</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Locatoreingabe</source>
        <translation>Locator entry</translation>
    </message>
    <message>
        <source>Eigener Standort</source>
        <translation>Own station</translation>
    </message>
    <message>
        <source>Partnerstandort</source>
        <translation>Partner station</translation>
    </message>
    <message>
        <source>Eigenen Standort ändern</source>
        <translation>Change own station</translation>
    </message>
    <message>
        <source>östl. Länge (Dezi)</source>
        <translation>East longitude (dec.)</translation>
    </message>
    <message>
        <source>nördll. Breite (Dezi)</source>
        <translation>North latitude (dec.)</translation>
    </message>
    <message>
        <source>östl. Länge (Grad)</source>
        <translation>East longitude (DMS)</translation>
    </message>
    <message>
        <source>nördl. Breite (Grad)</source>
        <translation>North latitude (DMS)</translation>
    </message>
    <message>
        <source>ungültiger Locator</source>
        <translation>invalid locator</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Fremdziel %1°</source>
        <translation>Other target %1°</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Zum Ziel drehen, kurzer Weg (Alt+J)</source>
        <translation>Turn to the target, short path (Alt+J)</translation>
    </message>
    <message>
        <source>Zum Ziel drehen, langer Weg (Alt+L)</source>
        <translation>Turn to the target, long path (Alt+L)</translation>
    </message>
    <message>
        <source>Rotor anhalten (Strg+Alt+J)</source>
        <translation>Stop the rotor (Ctrl+Alt+J)</translation>
    </message>
    <message>
        <source>Grad</source>
        <translation>deg</translation>
    </message>
    <message>
        <source>Ziel, das ein anderes Programm dem Rotor gegeben hat</source>
        <translation>Target another program gave the rotor</translation>
    </message>
    <message>
        <source>Ziel des Rotors: %1°</source>
        <translation>Rotor target: %1°</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Richtungen</source>
        <translation>Directions</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Datensatz</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Nur Großbuchstaben</source>
        <translation>Capitals only</translation>
    </message>
    <message>
        <source>Rufzeichen oder Kennung</source>
        <translation>Callsign or name</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Fehler im Azimutwinkel</source>
        <translation>Error in the azimuth</translation>
    </message>
    <message>
        <source>Fehler im Elevationswinkel</source>
        <translation>Error in the elevation</translation>
    </message>
    <message>
        <source>Soll der Datensatz: %1
wirklich gelöscht werden?</source>
        <translation>Really delete the record: %1?</translation>
    </message>
</context>
<context>
    <name>TFormA</name>
    <message>
        <source>eigenen Locator eingeben, dann Eingabetaste</source>
        <translation>Enter your own locator, then press Enter</translation>
    </message>
    <message>
        <source>&amp;Parameter</source>
        <translation>&amp;Parameters</translation>
    </message>
    <message>
        <source>&amp;Mercatorkarte</source>
        <translation>&amp;Mercator map</translation>
    </message>
    <message>
        <source>&amp;Beamkarte</source>
        <translation>&amp;Beam map</translation>
    </message>
    <message>
        <source>&amp;Feststationen</source>
        <translation>&amp;Fixed stations</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Rotor &amp;einrichten …</source>
        <translation>Rotor s&amp;et-up …</translation>
    </message>
    <message>
        <source>Rotor &amp;parken</source>
        <translation>&amp;Park the rotor</translation>
    </message>
    <message>
        <source>Zum Ziel drehen, &amp;kurzer Weg</source>
        <translation>Turn to the target, &amp;short path</translation>
    </message>
    <message>
        <source>Zum Ziel drehen, la&amp;nger Weg</source>
        <translation>Turn to the target, l&amp;ong path</translation>
    </message>
    <message>
        <source>Rotor &amp;anhalten</source>
        <translation>S&amp;top the rotor</translation>
    </message>
    <message>
        <source>&amp;Tag und Nacht auf den Karten</source>
        <translation>Day and &amp;night on the maps</translation>
    </message>
    <message>
        <source>&amp;DX-Spots</source>
        <translation>&amp;DX spots</translation>
    </message>
    <message>
        <source>Menü und Hilfe mit rechter Maustaste</source>
        <translation>Menu and help with the right mouse button</translation>
    </message>
</context>
<context>
    <name>TFormHelpAbout</name>
    <message>
        <source>Über diese Version / About this Version</source>
        <translation>About this Version</translation>
    </message>
    <message>
        <source>Schließen / Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Gehe zu / Goto </source>
        <translation>Go to </translation>
    </message>
    <message>
        <source>Sende Email an / Send email to: Corvane</source>
        <translation>Send email to: Corvane</translation>
    </message>
    <message>
        <source>Großkreis, Karte und Rotor für Funkamateure</source>
        <translation>Great circle, map and rotor for radio amateurs</translation>
    </message>
    <message>
        <source>Freie Software</source>
        <translation>Free software</translation>
    </message>
    <message>
        <source>für Linux und Windows</source>
        <translation>for Linux and Windows</translation>
    </message>
    <message>
        <source>Kontakt: </source>
        <translation>Contact: </translation>
    </message>
</context>
<context>
    <name>TFormHilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Corvane.htm</source>
        <comment>file name of the help page</comment>
        <translation>Corvane_en.htm</translation>
    </message>
</context>
<context>
    <name>UdpReceiveBuffer</name>
    <message>
        <source>UDP-Empfangspuffer Port %1: %2 KB erbeten, %3 KB erhalten</source>
        <translation>UDP receive buffer port %1: %2 KB asked for, %3 KB given</translation>
    </message>
</context>
<context>
    <name>VersionInfo</name>
    <message>
        <source>Version: %1 vom / dated %2</source>
        <translation>Version: %1 dated %2</translation>
    </message>
</context>
</TS>
