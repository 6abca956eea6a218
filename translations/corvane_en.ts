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
    <name>BridgeOptions</name>
    <message>
        <source>Ungültiges Rotormodell: &apos;%1&apos;</source>
        <translation>Invalid rotator model: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Ungültige Einstellung &apos;%1&apos;: erwartet wird NAME=WERT</source>
        <translation>Invalid setting &apos;%1&apos;: NAME=VALUE expected</translation>
    </message>
    <message>
        <source>Ungültiger Winkel für --%1: &apos;%2&apos;</source>
        <translation>Invalid angle for --%1: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Das linke Ende (%1) muss kleiner sein als das rechte (%2)</source>
        <translation>The left end (%1) must be less than the right one (%2)</translation>
    </message>
    <message>
        <source>Rotorsteuerung für Corvane: meldet Azimut und Elevation eines Hamlib-Rotors an Corvane und fährt ihn auf dessen Ziele.</source>
        <translation>Rotor control for Corvane: reports azimuth and elevation of a Hamlib rotator to Corvane and turns it to Corvane&apos;s targets.</translation>
    </message>
    <message>
        <source>Diese Hilfe.</source>
        <translation>This help.</translation>
    </message>
    <message>
        <source>Hamlib-Rotormodell (1 = Dummy, 2 = rotctld über TCP; rotctl -l listet alle).</source>
        <translation>Hamlib rotator model (1 = dummy, 2 = rotctld over TCP; rotctl -l lists all).</translation>
    </message>
    <message>
        <source>Gerät: serielle Schnittstelle oder host:port für rotctld.</source>
        <translation>Device: serial port, or host:port for rotctld.</translation>
    </message>
    <message>
        <source>pfad</source>
        <translation>path</translation>
    </message>
    <message>
        <source>Hamlib-Einstellung wie bei rotctl -C, z. B. serial_speed=9600 (mehrfach möglich).</source>
        <translation>Hamlib setting as with rotctl -C, e.g. serial_speed=9600 (may be given more than once).</translation>
    </message>
    <message>
        <source>name=wert</source>
        <translation>name=value</translation>
    </message>
    <message>
        <source>Linkes Ende des Drehbereichs in Grad.</source>
        <translation>Left end of the travel range in degrees.</translation>
    </message>
    <message>
        <source>grad</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>Rechtes Ende des Drehbereichs in Grad.</source>
        <translation>Right end of the travel range in degrees.</translation>
    </message>
    <message>
        <source>Genau diese Optionen und diesen Pfad für Corvane eintragen (die übrigen auf ihre Vorgabe), den Rotor einmal öffnen und beenden.</source>
        <translation>Register exactly these options and this path for Corvane (the others at their defaults), open the rotator once and end.</translation>
    </message>
    <message>
        <source>Die eingetragenen Optionen zeigen und beenden.</source>
        <translation>Show the options registered and end.</translation>
    </message>
    <message>
        <source>Den Rotor mit genau diesen Optionen einmal öffnen und seine Position lesen, nichts eintragen.</source>
        <translation>Open the rotator once with exactly these options and read its position, registering nothing.</translation>
    </message>
    <message>
        <source>Die Rotormodelle zeigen, die Hamlib kennt (Nummer;Hersteller;Modell), und beenden.</source>
        <translation>Show the rotator models Hamlib knows (number;maker;model) and end.</translation>
    </message>
    <message>
        <source>Unbekanntes Argument: %1</source>
        <translation>Unknown argument: %1</translation>
    </message>
    <message>
        <source>Ende des Rotors</source>
        <translation>the rotator&apos;s end</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>wie der Rotor ihn angibt</source>
        <translation>as the rotator gives it</translation>
    </message>
    <message>
        <source>Rotormodell: %1%2</source>
        <translation>Rotator model: %1%2</translation>
    </message>
    <message>
        <source>Gerät: %1</source>
        <translation>Device: %1</translation>
    </message>
    <message>
        <source>Vorgabe des Modells</source>
        <translation>the model&apos;s default</translation>
    </message>
    <message>
        <source>Hamlib-Einstellungen: %1</source>
        <translation>Hamlib settings: %1</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Drehbereich: %1</source>
        <translation>Travel range: %1</translation>
    </message>
    <message>
        <source>Das Passwort der Webseite von der Standardeingabe lesen (am Terminal zweimal gefragt), nur seinen gesalzenen Schlüssel speichern und beenden.</source>
        <translation>Read the web page&apos;s password from standard input (asked twice on a terminal), store only its salted key, then end.</translation>
    </message>
    <message>
        <source>--register, --show, --check, --list-models und --set-web-password schließen einander aus</source>
        <translation>--register, --show, --check, --list-models and --set-web-password exclude each other</translation>
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
    <name>CorvanePartner</name>
    <message>
        <source>Locator %1 von %2 abgelehnt: Corvane nimmt ihn nicht an (%3).</source>
        <translation>Locator %1 from %2 refused: Corvane does not take it (%3).</translation>
    </message>
    <message>
        <source>Locator %1 von %2 ist Corvanes Partner, Richtung %3°.</source>
        <translation>Locator %1 from %2 is Corvane&apos;s partner, bearing %3°.</translation>
    </message>
</context>
<context>
    <name>CorvaneRotor</name>
    <message>
        <source>Es ist kein Rotorprogramm eingetragen.</source>
        <translation>No rotor program is registered.</translation>
    </message>
    <message>
        <source>Programm: %1</source>
        <translation>Program: %1</translation>
    </message>
    <message>
        <source>Eingetragener Wert nicht lesbar: %1.</source>
        <translation>Registered value unreadable: %1.</translation>
    </message>
    <message>
        <source>Hamlib kennt kein Rotormodell %1. Nichts eingetragen.</source>
        <translation>Hamlib knows no rotator model %1. Nothing registered.</translation>
    </message>
    <message>
        <source>Einstellungen:</source>
        <translation>Settings:</translation>
    </message>
    <message>
        <source>. Nichts eingetragen.</source>
        <translation>. Nothing registered.</translation>
    </message>
    <message>
        <source>Der Rotor ist geöffnet, aber seine Position ist nicht lesbar. Nichts eingetragen.</source>
        <translation>The rotator is open, but its position is unreadable. Nothing registered.</translation>
    </message>
    <message>
        <source>Drehbereich %1° bis %2° ist leer: das linke Ende muss unter dem rechten liegen. Nichts eingetragen.</source>
        <translation>Travel range %1° to %2° is empty: the left end must lie below the right one. Nothing registered.</translation>
    </message>
    <message>
        <source>Position: Azimut %1°, Elevation %2°</source>
        <translation>Position: azimuth %1°, elevation %2°</translation>
    </message>
    <message>
        <source>Der Rotor nimmt nur %1° bis %2° an: der Drehbereich wird darauf gekürzt.</source>
        <translation>The rotator takes only %1° to %2°: the travel range is cut to that.</translation>
    </message>
    <message>
        <source>Drehbereich für Corvane: %1° bis %2°</source>
        <translation>Travel range for Corvane: %1° to %2°</translation>
    </message>
    <message>
        <source>Prüfung gelungen. Nichts eingetragen.</source>
        <translation>Check passed. Nothing registered.</translation>
    </message>
    <message>
        <source>Eintrag in der Registry nicht möglich.</source>
        <translation>Cannot write to the registry.</translation>
    </message>
    <message>
        <source>Eingetragen: %1</source>
        <translation>Registered: %1</translation>
    </message>
    <message>
        <source>Kein D-Bus-Sitzungsbus erreichbar.</source>
        <translation>No D-Bus session bus reachable.</translation>
    </message>
    <message>
        <source>Läuft bereits.</source>
        <translation>Already running.</translation>
    </message>
    <message>
        <source>Drehbereich %1 bis %2 ist leer: das linke Ende muss unter dem rechten liegen.</source>
        <translation>Travel range %1 to %2 is empty: the left end must lie below the right one.</translation>
    </message>
    <message>
        <source>Verbindung zum Sitzungsbus verloren.</source>
        <translation>Link to the session bus lost.</translation>
    </message>
    <message>
        <source>Rotormodell %1, Drehbereich %2° bis %3°, wartet auf Corvane.</source>
        <translation>Rotator model %1, travel range %2° to %3°, waiting for Corvane.</translation>
    </message>
    <message>
        <source>Beendet.</source>
        <translation>Ended.</translation>
    </message>
    <message>
        <source>. Nichts gespeichert.</source>
        <translation>. Nothing stored.</translation>
    </message>
    <message>
        <source>Passwort der Webseite gespeichert (nur sein Schlüssel): %1</source>
        <translation>Web page password stored (only its key): %1</translation>
    </message>
    <message>
        <source>Zertifikat der Webseite: %1</source>
        <translation>Web page certificate: %1</translation>
    </message>
    <message>
        <source>Fingerabdruck des Zertifikats der Webseite (SHA-256): %1</source>
        <translation>Fingerprint of the web page&apos;s certificate (SHA-256): %1</translation>
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
    <name>Endpoint</name>
    <message>
        <source>Ungültige Adresse &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>Invalid address &apos;%1&apos; in &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Ungültiger Port in &apos;%1&apos;: erwartet wird [ADRESSE:]PORT mit PORT 1 bis 65535 oder &apos;aus&apos;</source>
        <translation>Invalid port in &apos;%1&apos;: [ADDRESS:]PORT with PORT 1 to 65535, or &apos;off&apos;, expected</translation>
    </message>
</context>
<context>
    <name>FaultLog</name>
    <message>
        <source>%1: %2 (höchstens eine Meldung dieser Art je Minute)</source>
        <translation>%1: %2 (at most one message of this kind a minute)</translation>
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
    <name>HamlibRotator</name>
    <message>
        <source>Rotor nicht geöffnet</source>
        <translation>Rotator not open</translation>
    </message>
    <message>
        <source>Hamlib kennt kein Rotormodell %1</source>
        <translation>Hamlib knows no rotator model %1</translation>
    </message>
    <message>
        <source>Einstellung &apos;%1&apos; nicht möglich: %2</source>
        <translation>Setting &apos;%1&apos; not possible: %2</translation>
    </message>
    <message>
        <source>Gerät %1</source>
        <translation>Device %1</translation>
    </message>
    <message>
        <source>Einstellung &apos;%1&apos; hat nicht die Form NAME=WERT</source>
        <translation>Setting &apos;%1&apos; does not have the form NAME=VALUE</translation>
    </message>
    <message>
        <source>Rotor (Modell %1, Gerät &apos;%2&apos;) lässt sich nicht öffnen: %3</source>
        <translation>Rotator (model %1, device &apos;%2&apos;) cannot be opened: %3</translation>
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
    <name>LinkOptions</name>
    <message>
        <source>[adresse:]port</source>
        <translation>[address:]port</translation>
    </message>
    <message>
        <source>rotctld-kompatiblen TCP-Server anbieten (Adresse 127.0.0.1, wenn keine genannt ist).</source>
        <translation>Offer a rotctld-compatible TCP server (address 127.0.0.1 when none is given).</translation>
    </message>
    <message>
        <source>[adresse:]port|aus</source>
        <translation>[address:]port|off</translation>
    </message>
    <message>
        <source>PstRotator-UDP-Port (Vorgabe 127.0.0.1:12000; Antworten an Port + 1).</source>
        <translation>PstRotator UDP port (default 127.0.0.1:12000; answers to port + 1).</translation>
    </message>
    <message>
        <source>N1MM-Rotor-UDP-Port (Vorgabe 127.0.0.1:12040).</source>
        <translation>N1MM rotor UDP port (default 127.0.0.1:12040).</translation>
    </message>
    <message>
        <source>Ziel der N1MM-Positionsmeldungen (Vorgabe 127.0.0.1:13010).</source>
        <translation>Where the N1MM position reports go (default 127.0.0.1:13010).</translation>
    </message>
    <message>
        <source>grad</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>Parkposition: Azimut (ohne: die Parkposition des Rotors).</source>
        <translation>Park position: azimuth (without: the rotator&apos;s own park position).</translation>
    </message>
    <message>
        <source>Parkposition: Elevation (Vorgabe 0).</source>
        <translation>Park position: elevation (default 0).</translation>
    </message>
    <message>
        <source>Totzone: näher liegende Ziele werden nicht gesendet (Vorgabe 2).</source>
        <translation>Dead band: nearer targets are not sent (default 2).</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Mindestabstand zweier Befehle an den Rotor (Vorgabe 1000).</source>
        <translation>Least interval between two commands to the rotator (default 1000).</translation>
    </message>
    <message>
        <source>Ungültiger Wert für --%1: &apos;%2&apos; (erwartet %3 bis %4)</source>
        <translation>Invalid value for --%1: &apos;%2&apos; (%3 to %4 expected)</translation>
    </message>
    <message>
        <source>rotctld-Server: %1</source>
        <translation>rotctld server: %1</translation>
    </message>
    <message>
        <source>PstRotator-UDP: %1</source>
        <translation>PstRotator UDP: %1</translation>
    </message>
    <message>
        <source>N1MM-UDP: %1, Meldungen an %2</source>
        <translation>N1MM UDP: %1, reports to %2</translation>
    </message>
    <message>
        <source>Parkposition: %1</source>
        <translation>Park position: %1</translation>
    </message>
    <message>
        <source>Azimut %1°, Elevation %2°</source>
        <translation>azimuth %1°, elevation %2°</translation>
    </message>
    <message>
        <source>die des Rotors</source>
        <translation>the rotator&apos;s</translation>
    </message>
    <message>
        <source>Totzone: %1°, Mindestabstand der Befehle: %2 ms</source>
        <translation>Dead band: %1°, least interval between commands: %2 ms</translation>
    </message>
    <message>
        <source>Achtung: %1 auf %2 empfangsbereit, auch aus dem Netz, ohne Anmeldung (andere Rechner besser über einen SSH-Tunnel)</source>
        <translation>Caution: %1 on %2 listening, also from the network, without login (other computers better through an SSH tunnel)</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Webseite: %1</source>
        <translation>Web page: %1</translation>
    </message>
    <message>
        <source>Die Webseite des Rotors anbieten (Adresse 127.0.0.1, wenn keine genannt ist; andere Adressen nur mit Passwort und über HTTPS).</source>
        <translation>Serve the rotor&apos;s web page (address 127.0.0.1 when none is given; other addresses only with a password and over HTTPS).</translation>
    </message>
    <message>
        <source>datei</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Zertifikat der Webseite (PEM; ohne: ein selbst signiertes, beim ersten Gebrauch gemacht).</source>
        <translation>Certificate of the web page (PEM; without: a self-signed one, made at first use).</translation>
    </message>
    <message>
        <source>Privater Schlüssel zum Zertifikat der Webseite (PEM, ohne Passwort).</source>
        <translation>Private key of the web page&apos;s certificate (PEM, without a passphrase).</translation>
    </message>
    <message>
        <source>--web-cert und --web-key nur zusammen</source>
        <translation>--web-cert and --web-key only together</translation>
    </message>
    <message>
        <source>Zertifikat der Webseite: %1, Schlüssel %2</source>
        <translation>Web page certificate: %1, key %2</translation>
    </message>
    <message>
        <source>Webseite</source>
        <translation>Web page</translation>
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
    <message>
        <source>Kalibrierzeile &quot;%1&quot; ist ungültig: %2</source>
        <translation>Calibration line &quot;%1&quot; is invalid: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; hat nicht zwei Nachkommastellen</source>
        <translation>&quot;%1&quot; does not have two decimal places</translation>
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
    <name>MapLabelLayer</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>O</source>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
</context>
<context>
    <name>MessageBoxDialogs</name>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>N1mmListener</name>
    <message>
        <source>N1MM: Datagramm unlesbar, nicht beachtet</source>
        <translation>N1MM: datagram unreadable, ignored</translation>
    </message>
    <message>
        <source>N1MM: Richtung außerhalb 0° bis 360°, nicht beachtet</source>
        <translation>N1MM: bearing outside 0° to 360°, ignored</translation>
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
    <name>PortTrial</name>
    <message>
        <source>%1 auf %2 nicht möglich: %3</source>
        <translation>%1 on %2 not possible: %3</translation>
    </message>
</context>
<context>
    <name>PstListener</name>
    <message>
        <source>PstRotator: Datagramm unlesbar, nicht beachtet</source>
        <translation>PstRotator: datagram unreadable, ignored</translation>
    </message>
    <message>
        <source>PstRotator: Winkel außerhalb 0° bis 360° (Elevation bis 180°), nicht beachtet</source>
        <translation>PstRotator: angle outside 0° to 360° (elevation up to 180°), ignored</translation>
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
    <name>RotatorKeeper</name>
    <message>
        <source>Rotor wieder geöffnet.</source>
        <translation>Rotator open again.</translation>
    </message>
    <message>
        <source>Rotor geöffnet.</source>
        <translation>Rotator open.</translation>
    </message>
    <message>
        <source>; neuer Versuch folgt.</source>
        <translation>; trying again.</translation>
    </message>
    <message>
        <source>Rotorposition nicht lesbar.</source>
        <translation>Rotator position unreadable.</translation>
    </message>
    <message>
        <source>Verbindung zum Rotor verloren; er wird neu geöffnet.</source>
        <translation>Link to the rotator lost; opening it anew.</translation>
    </message>
</context>
<context>
    <name>RotctldServer</name>
    <message>
        <source>rotctld: alle Plätze belegt, die am längsten stille Verbindung getrennt</source>
        <translation>rotctld: all places taken, the connection silent longest closed</translation>
    </message>
    <message>
        <source>rotctld: Client schweigt, Verbindung getrennt</source>
        <translation>rotctld: client silent, connection closed</translation>
    </message>
    <message>
        <source>rotctld: Zeile länger als %1 Bytes, Verbindung getrennt</source>
        <translation>rotctld: line longer than %1 bytes, connection closed</translation>
    </message>
    <message>
        <source>rotctld: HTTP-Anfrage (etwa von einer Webseite), nichts ausgeführt, Verbindung getrennt</source>
        <translation>rotctld: HTTP request (from a web page, say), nothing done, connection closed</translation>
    </message>
    <message>
        <source>rotctld: Befehl abgelehnt</source>
        <translation>rotctld: command refused</translation>
    </message>
    <message>
        <source>rotctld: Client liest seine Antworten nicht, Verbindung getrennt</source>
        <translation>rotctld: client does not read its answers, connection closed</translation>
    </message>
</context>
<context>
    <name>RotorBridge</name>
    <message>
        <source>%1 hat die Verbindung beendet.</source>
        <translation>%1 ended the link.</translation>
    </message>
    <message>
        <source>Drehbereich %1° bis %2° ist leer; es bleibt %3° bis %4°.</source>
        <translation>Travel range %1° to %2° is empty; %3° to %4° stays.</translation>
    </message>
    <message>
        <source>Drehbereich auf %1° bis %2° gekürzt: mehr nimmt der Rotor nicht an.</source>
        <translation>Travel range cut to %1° to %2°: the rotator takes no more.</translation>
    </message>
    <message>
        <source>Hallo von &apos;%1&apos;, aber kein Server &apos;%1&apos; mit dem Thema AntDaten erreichbar.</source>
        <translation>Hello from &apos;%1&apos;, but no server &apos;%1&apos; with the topic AntDaten reachable.</translation>
    </message>
    <message>
        <source>Verbunden mit %1.</source>
        <translation>Connected to %1.</translation>
    </message>
    <message>
        <source>Ziel %1° / %2° abgelehnt: keine endliche Zahl</source>
        <translation>Target %1° / %2° refused: not a finite number</translation>
    </message>
    <message>
        <source>Ziel %1° / %2° abgelehnt: %3</source>
        <translation>Target %1° / %2° refused: %3</translation>
    </message>
</context>
<context>
    <name>RotorCommands</name>
    <message>
        <source>Ziel von %1: Azimut %2°, Elevation %3°.</source>
        <translation>Target from %1: azimuth %2°, elevation %3°.</translation>
    </message>
    <message>
        <source>Ziel %1° / %2° abgelehnt: keine endliche Zahl</source>
        <translation>Target %1° / %2° refused: not a finite number</translation>
    </message>
    <message>
        <source>%1 (von %2)</source>
        <translation>%1 (from %2)</translation>
    </message>
    <message>
        <source>Rotor nimmt das Ziel nicht an</source>
        <translation>Rotator does not take the target</translation>
    </message>
    <message>
        <source>Azimut des Rotors unbekannt</source>
        <translation>Rotator&apos;s azimuth unknown</translation>
    </message>
    <message>
        <source>Stopp von %1.</source>
        <translation>Stop from %1.</translation>
    </message>
    <message>
        <source>Stopp von %1 nicht ausgeführt: %2.</source>
        <translation>Stop from %1 not done: %2.</translation>
    </message>
    <message>
        <source> (Parkposition)</source>
        <translation> (park position)</translation>
    </message>
    <message>
        <source>keine Parkposition eingetragen, und der Rotor parkt nicht selbst</source>
        <translation>no park position registered, and the rotator does not park itself</translation>
    </message>
    <message>
        <source>Parken von %1 abgelehnt: %2.</source>
        <translation>Parking from %1 refused: %2.</translation>
    </message>
    <message>
        <source>Parken von %1 (Parkposition des Rotors).</source>
        <translation>Parking from %1 (the rotator&apos;s park position).</translation>
    </message>
    <message>
        <source>Parken abgelehnt: %1</source>
        <translation>Parking refused: %1</translation>
    </message>
    <message>
        <source> (Bewegung)</source>
        <translation> (movement)</translation>
    </message>
    <message>
        <source>Zurücksetzen (Art %1) von %2.</source>
        <translation>Reset (kind %1) from %2.</translation>
    </message>
    <message>
        <source>Zurücksetzen von %1 nicht ausgeführt: %2.</source>
        <translation>Reset from %1 not done: %2.</translation>
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
    <name>RotorProgram</name>
    <message>
        <source>%1 auf %2 nicht möglich (%3); ohne ihn weiter.</source>
        <translation>%1 on %2 not possible (%3); going on without it.</translation>
    </message>
    <message>
        <source>%1 auf %2.</source>
        <translation>%1 on %2.</translation>
    </message>
</context>
<context>
    <name>RotorScripting</name>
    <message>
        <source>Rotorposition nicht lesbar</source>
        <translation>Rotator position unreadable</translation>
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
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>aus, z. B. 8765</source>
        <translation>off, e.g. 8765</translation>
    </message>
    <message>
        <source>W&amp;ebseite ([Adresse:]Port):</source>
        <translation>&amp;Web page ([address:]port):</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Die Einstellungsdatei %1</source>
        <translation>The settings file %1</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei %1 kann nicht gelesen werden; sie bleibt unverändert, und Einstellungen werden in diesem Lauf nicht gespeichert</source>
        <translation>The settings file %1 cannot be read; it stays unchanged, and settings are not saved in this run</translation>
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
        <translation>for both maps</translation>
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
<context>
    <name>WebCertificate</name>
    <message>
        <source>Ordner %1 kann nicht angelegt werden</source>
        <translation>Folder %1 cannot be created</translation>
    </message>
    <message>
        <source>openssl fehlt, um ein Zertifikat zu machen (Paket openssl, oder --web-cert und --web-key)</source>
        <translation>openssl is missing to make a certificate (package openssl, or --web-cert and --web-key)</translation>
    </message>
    <message>
        <source>Zertifikat nicht gemacht: %1</source>
        <translation>Certificate not made: %1</translation>
    </message>
    <message>
        <source>%1 kann nicht geschrieben werden</source>
        <translation>%1 cannot be written</translation>
    </message>
    <message>
        <source>--web-cert und --web-key nur zusammen</source>
        <translation>--web-cert and --web-key only together</translation>
    </message>
    <message>
        <source>%1 nicht lesbar</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>%1 enthält kein Zertifikat (PEM)</source>
        <translation>%1 holds no certificate (PEM)</translation>
    </message>
    <message>
        <source>%1 enthält keinen privaten Schlüssel (PEM, EC oder RSA, ohne Passwort)</source>
        <translation>%1 holds no private key (PEM, EC or RSA, without a passphrase)</translation>
    </message>
</context>
<context>
    <name>WebFace</name>
    <message>
        <source>ohne Passwort (CorvaneRotor --set-web-password) nur auf dem eigenen Rechner</source>
        <translation>without a password (CorvaneRotor --set-web-password) only on this machine</translation>
    </message>
    <message>
        <source>Bitte anmelden</source>
        <translation>Please log in</translation>
    </message>
    <message>
        <source>Fremde Herkunft</source>
        <translation>Foreign origin</translation>
    </message>
    <message>
        <source>Ohne gültiges Token</source>
        <translation>Without a valid token</translation>
    </message>
    <message>
        <source>Web: Anmeldung von %1 abgewiesen, noch %2 s Wartezeit nach Fehlversuchen.</source>
        <translation>Web: login from %1 refused, %2 s left to wait after failed attempts.</translation>
    </message>
    <message>
        <source>Zu viele Fehlversuche, bitte warten</source>
        <translation>Too many failed attempts, please wait</translation>
    </message>
    <message>
        <source>Web: falsches Passwort von %1%2.</source>
        <translation>Web: wrong password from %1%2.</translation>
    </message>
    <message>
        <source>, nächster Versuch in %1 s</source>
        <translation>, next try in %1 s</translation>
    </message>
    <message>
        <source>Falsches Passwort</source>
        <translation>Wrong password</translation>
    </message>
    <message>
        <source>Web: angemeldet von %1.</source>
        <translation>Web: logged in from %1.</translation>
    </message>
    <message>
        <source>Kein Winkel: %1</source>
        <translation>No angle: %1</translation>
    </message>
    <message>
        <source>Web: Verbindung von %1 getrennt, sie schickte mehr als 1 MiB.</source>
        <translation>Web: connection from %1 cut, it sent more than 1 MiB.</translation>
    </message>
    <message>
        <source>Keine solche Richtung</source>
        <translation>No such direction</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Passwort</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Anmelden</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Antennenrichtung</source>
        <translation>Antenna direction</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>O</source>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Beam-Karte um die eigene Station</source>
        <translation>Beam map around the own station</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Bewegung</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>Winkel, Locator oder Rufzeichen</source>
        <translation>Bearing, locator or callsign</translation>
    </message>
    <message>
        <source>Drehen</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Langer Weg</source>
        <translation>Long path</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Parken</source>
        <translation>Park</translation>
    </message>
    <message>
        <source>Richtungen</source>
        <translation>Directions</translation>
    </message>
    <message>
        <source>Abmelden</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>steht</source>
        <translation>standing</translation>
    </message>
    <message>
        <source>im Uhrzeigersinn</source>
        <translation>clockwise</translation>
    </message>
    <message>
        <source>gegen den Uhrzeigersinn</source>
        <translation>anticlockwise</translation>
    </message>
    <message>
        <source>Fremdziel von %1</source>
        <translation>target of %1</translation>
    </message>
    <message>
        <source>Bitte neu anmelden</source>
        <translation>Please log in again</translation>
    </message>
    <message>
        <source>Abgemeldet</source>
        <translation>Logged out</translation>
    </message>
    <message>
        <source>de</source>
        <comment>language code of the page</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>WebPassword</name>
    <message>
        <source>Das Passwort muss mindestens %1 Zeichen lang sein</source>
        <translation>The password must be at least %1 characters long</translation>
    </message>
    <message>
        <source>Ordner %1 kann nicht angelegt werden</source>
        <translation>Folder %1 cannot be created</translation>
    </message>
    <message>
        <source>%1 kann nicht geschrieben werden: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
</context>
<context>
    <name>WebPasswordPrompt</name>
    <message>
        <source>Kein Passwort auf der Standardeingabe</source>
        <translation>No password on standard input</translation>
    </message>
    <message>
        <source>Passwort für die Webseite: </source>
        <translation>Password for the web page: </translation>
    </message>
    <message>
        <source>Noch einmal: </source>
        <translation>Once more: </translation>
    </message>
    <message>
        <source>Eingabe abgebrochen</source>
        <translation>Input cancelled</translation>
    </message>
    <message>
        <source>Die beiden Eingaben sind verschieden</source>
        <translation>The two entries differ</translation>
    </message>
</context>
</TS>
