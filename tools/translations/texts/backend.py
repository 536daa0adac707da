# Texts of the control link, the device model and the player client.
TEXTS = {
    "User name and password must not contain \"|\".": (
        "Benutzername und Passwort dürfen kein \"|\" enthalten.",
        "Nome utente e password non devono contenere \"|\".",
    ),
    "%1 and %2 more": ("%1 und %2 weitere", "%1 e altre %2"),
    "Not routed": ("Nicht zugeordnet", "Non instradata"),
    "Playing on %1": ("Läuft auf %1", "In riproduzione su %1"),
}
