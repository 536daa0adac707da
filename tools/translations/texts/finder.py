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
}
