# Texts of the device finder page and its rows.
TEXTS = {
    "Tavirel": ("Tavirel", "Tavirel"),
    "Searching the network": ("Netzwerk wird durchsucht", "Ricerca nella rete"),
    "On this network": ("In diesem Netzwerk", "In questa rete"),
    "Saved Tavirels": ("Gespeicherte Tavirel", "Tavirel salvati"),
    "Add by address": ("Über die Adresse hinzufügen", "Aggiungi tramite indirizzo"),
    "Add a Tavirel": ("Tavirel hinzufügen", "Aggiungi un Tavirel"),
    "By its address, serial number and account": ("Mit Adresse, Seriennummer und Konto",
                                                  "Con indirizzo, numero di serie e account"),
    "Selected": ("Ausgewählt", "Selezionato"),
    "selected": ("ausgewählt", "selezionato"),
    "for example %1": ("zum Beispiel %1", "per esempio %1"),
    "Looking for Tavirels on this network…": ("Suche nach Tavirel in diesem Netzwerk …",
                                              "Ricerca di Tavirel in questa rete…"),
    "Network discovery is not available on this computer: add the Tavirel by its address": (
        "Die Netzwerksuche ist auf diesem Computer nicht verfügbar: Fügen Sie den Tavirel über seine Adresse hinzu",
        "La ricerca in rete non è disponibile su questo computer: aggiungi il Tavirel tramite il suo indirizzo"),
    "No saved Tavirels yet": ("Noch keine gespeicherten Tavirel", "Ancora nessun Tavirel salvato"),
    "Connected": ("Verbunden", "Connesso"),
    "connected": ("verbunden", "connesso"),
    "Remove %1": ("%1 entfernen", "Rimuovi %1"),
    "Remove saved Tavirel": ("Gespeicherten Tavirel entfernen", "Rimuovi Tavirel salvato"),
    "Remove": ("Entfernen", "Rimuovi"),
    "Remove %1 (%2) from the saved Tavirels? Its user name and password are forgotten.": (
        "%1 (%2) aus den gespeicherten Tavirel entfernen? Benutzername und Passwort werden vergessen.",
        "Rimuovere %1 (%2) dai Tavirel salvati? Nome utente e password verranno dimenticati."),
    "%1 was removed.": ("%1 wurde entfernt.", "%1 è stato rimosso."),
    "%1 was removed and disconnected. Choose a Tavirel to control.": (
        "%1 wurde entfernt und getrennt. Wählen Sie ein Tavirel zum Steuern.",
        "%1 è stato rimosso e disconnesso. Scegli un Tavirel da controllare."),
    "No Tavirel selected.": ("Kein Tavirel ausgewählt.", "Nessun Tavirel selezionato."),
}
