# Texts of the command line (--help, wrong options, --device).
TEXTS = {
    "Show this help and quit.": ("Diese Hilfe anzeigen und beenden.", "Mostra questo aiuto ed esci."),
    "Show the version and quit.": ("Die Version anzeigen und beenden.", "Mostra la versione ed esci."),
    "Connect to the saved Tavirel at this address (and port).": (
        "Mit dem gespeicherten Tavirel an dieser Adresse (und diesem Port) verbinden.",
        "Connettiti al Tavirel salvato a questo indirizzo (e porta)."),
    "HOST[:PORT]": ("HOST[:PORT]", "HOST[:PORTA]"),
    "Remote control for Tavirel audio devices.": (
        "Fernbedienung für Tavirel-Audiogeräte.", "Telecomando per i dispositivi audio Tavirel."),
    "Unexpected argument: %1": ("Unerwartetes Argument: %1", "Argomento inatteso: %1"),
    "Try \"%1 --help\".": ("Versuchen Sie \"%1 --help\".", "Prova \"%1 --help\"."),
    "No saved Tavirel at %1: starting as usual.": (
        "Kein gespeichertes Tavirel unter %1: normaler Start.",
        "Nessun Tavirel salvato a %1: avvio normale."),
}
