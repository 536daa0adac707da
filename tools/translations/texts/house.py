# Texts of the house control: scenes, All off, the sleep timer, undo, and
# its use over the session bus and the command line.
TEXTS = {
    "\"%1\" cannot be a scene name: it must be one line of at most %2 characters.": (
        "\"%1\" kann kein Szenenname sein: Er muss eine Zeile mit höchstens %2 Zeichen sein.",
        "\"%1\" non può essere il nome di una scena: deve essere una riga di al massimo %2 caratteri."),
    "%1 (not on this device: kept as it is)": (
        "%1 (nicht auf diesem Gerät: bleibt, wie es ist)",
        "%1 (non su questo dispositivo: resta com'è)"),
    "%1 is not a scene file.": ("%1 ist keine Szenendatei.", "%1 non è un file di scene."),
    "%1 min": ("%1 Min.", "%1 min"),
    "--scene and --all-off cannot be given together.": (
        "--scene und --all-off können nicht zusammen angegeben werden.",
        "--scene e --all-off non possono essere indicati insieme."),
    "All off": ("Alles aus", "Tutto spento"),
    "Cancel timer": ("Timer abbrechen", "Annulla timer"),
    "Changes of the recall": ("Änderungen des Abrufs", "Modifiche del richiamo"),
    "Connect a Tavirel to keep scenes for it.": (
        "Verbinden Sie ein Tavirel, um Szenen dafür zu speichern.",
        "Collega un Tavirel per salvarne le scene."),
    "Ctrl+Shift+Z": ("Strg+Umschalt+Z", "Ctrl+Maiusc+Z"),
    "Ctrl+Z": ("Strg+Z", "Ctrl+Z"),
    "Custom sleep time in minutes": ("Eigene Schlafzeit in Minuten", "Tempo di spegnimento personalizzato in minuti"),
    "Delete %1": ("%1 löschen", "Elimina %1"),
    "Export": ("Exportieren", "Esporta"),
    "House": ("Haus", "Casa"),
    "House: scenes, All off, sleep timer": (
        "Haus: Szenen, Alles aus, Schlaftimer", "Casa: scene, Tutto spento, timer di spegnimento"),
    "Import": ("Importieren", "Importa"),
    "Muted": ("Stumm", "Muto"),
    "NAME": ("NAME", "NOME"),
    "Name of a new scene": ("Name einer neuen Szene", "Nome di una nuova scena"),
    "New name of %1": ("Neuer Name von %1", "Nuovo nome di %1"),
    "No Tavirel is connected.": ("Kein Tavirel ist verbunden.", "Nessun Tavirel è connesso."),
    "No change": ("Keine Änderung", "Nessuna modifica"),
    "No scenes yet: set the house up, name it and save it.": (
        "Noch keine Szenen: Stellen Sie das Haus ein, benennen und speichern Sie es.",
        "Nessuna scena: imposta la casa, dalle un nome e salvala."),
    "Not on this device: skipped": ("Nicht auf diesem Gerät: übersprungen", "Non su questo dispositivo: saltata"),
    "Off in %1": ("Aus in %1", "Spento tra %1"),
    "Outputs not on this device, skipped: %1": (
        "Ausgänge, die dieses Gerät nicht hat, übersprungen: %1",
        "Uscite non presenti su questo dispositivo, saltate: %1"),
    "Plays %1 instead of %2": ("Spielt %1 statt %2", "Riproduce %1 invece di %2"),
    "Recall": ("Abrufen", "Richiama"),
    "Recall %1": ("%1 abrufen", "Richiama %1"),
    "Recall this scene in the running Tavirel window and quit.": (
        "Diese Szene im laufenden Tavirel-Fenster abrufen und beenden.",
        "Richiama questa scena nella finestra Tavirel in esecuzione ed esci."),
    "Recall…": ("Abrufen…", "Richiama…"),
    "Redo": ("Wiederholen", "Ripeti"),
    "Redo the change undone": ("Rückgängig gemachte Änderung wiederholen", "Ripeti la modifica annullata"),
    "Resume": ("Fortsetzen", "Riprendi"),
    "Scene file": ("Szenendatei", "File di scene"),
    "Scene file (JSON)": ("Szenendatei (JSON)", "File di scene (JSON)"),
    "Scene name": ("Szenenname", "Nome della scena"),
    "Scenes": ("Szenen", "Scene"),
    "Scenes of the file that could not be read: %1": (
        "Szenen der Datei, die nicht gelesen werden konnten: %1",
        "Scene del file che non è stato possibile leggere: %1"),
    "Sleep timer": ("Schlaftimer", "Timer di spegnimento"),
    "Sleep timer for": ("Schlaftimer für", "Timer di spegnimento per"),
    "Source volume %1 to %2": ("Quellenlautstärke %1 auf %2", "Volume della sorgente da %1 a %2"),
    "Sources not on this device, skipped: %1": (
        "Quellen, die dieses Gerät nicht hat, übersprungen: %1",
        "Sorgenti non presenti su questo dispositivo, saltate: %1"),
    "Start": ("Starten", "Avvia"),
    "Switch every output off in the running Tavirel window and quit.": (
        "Im laufenden Tavirel-Fenster alle Ausgänge ausschalten und beenden.",
        "Spegni tutte le uscite nella finestra Tavirel in esecuzione ed esci."),
    "Tavirel is not running.": ("Tavirel läuft nicht.", "Tavirel non è in esecuzione."),
    "The connected Tavirel has no serial number to keep scenes for.": (
        "Das verbundene Tavirel hat keine Seriennummer, unter der Szenen gespeichert werden könnten.",
        "Il Tavirel connesso non ha un numero di serie con cui salvare le scene."),
    "The scene \"%1\" has no output \"%2\".": (
        "Die Szene \"%1\" hat keinen Ausgang \"%2\".", "La scena \"%1\" non ha l'uscita \"%2\"."),
    "The scenes could not be written to %1.": (
        "Die Szenen konnten nicht nach %1 geschrieben werden.", "Impossibile scrivere le scene in %1."),
    "There is no scene \"%1\".": ("Es gibt keine Szene \"%1\".", "Non esiste la scena \"%1\"."),
    "There is no session bus to reach the running Tavirel.": (
        "Es gibt keinen Sitzungsbus, über den das laufende Tavirel erreichbar wäre.",
        "Non c'è un bus di sessione per raggiungere il Tavirel in esecuzione."),
    "Tone changes": ("Klang ändert sich", "Il tono cambia"),
    "Undo the last change": ("Letzte Änderung rückgängig machen", "Annulla l'ultima modifica"),
    "Unmuted": ("Ton an", "Audio attivo"),
    "Update": ("Aktualisieren", "Aggiorna"),
    "Volume %1 to %2": ("Lautstärke %1 auf %2", "Volume da %1 a %2"),
    "Whole house": ("Ganzes Haus", "Tutta la casa"),
    "min": ("Min.", "min"),
    "nothing": ("nichts", "niente"),
}
