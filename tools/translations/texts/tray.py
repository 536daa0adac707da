# Texts of the desktop panel item, its mixer and the desktop settings.
TEXTS = {
    "%1 – %2": ("%1 – %2", "%1 – %2"),
    "%1 on %2": ("%1 auf %2", "%1 su %2"),
    "Nothing playing on %1": ("Auf %1 wird nichts abgespielt", "Nessuna riproduzione su %1"),
    "Pause %1": ("%1 anhalten", "Metti in pausa %1"),
    "Switch device": ("Gerät wechseln", "Cambia dispositivo"),
    "Show window": ("Fenster anzeigen", "Mostra finestra"),
    "Sleep timer (%1 min left)": ("Schlaftimer (noch %1 Min.)", "Timer di spegnimento (%1 min rimanenti)"),
    "Quit": ("Beenden", "Esci"),
    "Tavirel mixer": ("Tavirel-Mischpult", "Mixer Tavirel"),
    "Close to the panel": ("In die Leiste schließen", "Chiudi nel pannello"),
    "Closing the window keeps Tavirel in the desktop panel": (
        "Beim Schließen des Fensters bleibt Tavirel in der Leiste",
        "Chiudendo la finestra Tavirel resta nel pannello del desktop"),
    "Track notifications": ("Titelbenachrichtigungen", "Notifiche dei brani"),
    "Tell on the desktop when the player moves to another track": (
        "Auf dem Desktop melden, wenn der Player zu einem anderen Titel wechselt",
        "Avvisa sul desktop quando il lettore passa a un altro brano"),
}
