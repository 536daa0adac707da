# Texts of the device finder page and its rows.
TEXTS = {
    "Find Tavirel": ("Tavirel suchen", "Trova Tavirel"),
    "Tavirel": ("Tavirel", "Tavirel"),
    "Detected Tavirel": ("Gefundene Tavirel", "Tavirel rilevati"),
    "Saved Tavirel": ("Gespeicherte Tavirel", "Tavirel salvati"),
    "Manually add Tavirel": ("Tavirel manuell hinzufügen", "Aggiungi Tavirel manualmente"),
    "Add Tavirel": ("Tavirel hinzufügen", "Aggiungi Tavirel"),
    "Searching the network": ("Netzwerk wird durchsucht", "Ricerca nella rete"),
    "Looking for Tavirel on this network…": ("Suche nach Tavirel in diesem Netzwerk …",
                                             "Ricerca di Tavirel in questa rete…"),
    "Network discovery is not available on this computer: add the Tavirel by its address": (
        "Die Netzwerksuche ist auf diesem Computer nicht verfügbar: Fügen Sie den Tavirel über seine Adresse hinzu",
        "La ricerca in rete non è disponibile su questo computer: aggiungi il Tavirel tramite il suo indirizzo"),
    "No saved Tavirel": ("Keine gespeicherten Tavirel", "Nessun Tavirel salvato"),
    "Connected": ("Verbunden", "Connesso"),
    "connected": ("verbunden", "connesso"),
    "Remove %1": ("%1 entfernen", "Rimuovi %1"),
    "Remove saved Tavirel": ("Gespeicherten Tavirel entfernen", "Rimuovi Tavirel salvato"),
    "Remove": ("Entfernen", "Rimuovi"),
    "Remove %1 (%2) from the saved Tavirel? Its user name and password are forgotten.": (
        "%1 (%2) aus den gespeicherten Tavirel entfernen? Benutzername und Passwort werden vergessen.",
        "Rimuovere %1 (%2) dai Tavirel salvati? Nome utente e password verranno dimenticati."),
    "%1 was removed.": ("%1 wurde entfernt.", "%1 è stato rimosso."),
    "%1 was removed and disconnected. Choose a Tavirel to control.": (
        "%1 wurde entfernt und getrennt. Wählen Sie ein Tavirel zum Steuern.",
        "%1 è stato rimosso e disconnesso. Scegli un Tavirel da controllare."),
    "No Tavirel selected.": ("Kein Tavirel ausgewählt.", "Nessun Tavirel selezionato."),
}
