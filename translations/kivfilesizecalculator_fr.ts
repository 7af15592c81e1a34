<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>KivClipChild</name>
    <message>
        <source>Measuring clips…</source>
        <translation>Mesure des clips…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Measuring Clips</source>
        <translation>Mesure des clips</translation>
    </message>
    <message>
        <source>Measuring clips</source>
        <translation>Mesure des clips</translation>
    </message>
    <message>
        <source>Measuring clips… files read: %1</source>
        <translation>Mesure des clips… fichiers lus : %1</translation>
    </message>
</context>
<context>
    <name>KivClipDrop</name>
    <message>
        <source>Incomplete Measure</source>
        <translation>Mesure incomplète</translation>
    </message>
    <message>
        <source>Use the measured rate all the same?</source>
        <translation>Utiliser quand même le débit mesuré ?</translation>
    </message>
    <message>
        <source>Time left on this card at that rate: %1 (%2 GB free)</source>
        <translation>Temps restant sur cette carte à ce débit : %1 (%2 Go libres)</translation>
    </message>
</context>
<context>
    <name>KivClipProcess</name>
    <message>
        <source>Measured from clips (recordings: %1, files: %2, skipped: %3): %4, %5</source>
        <translation>Mesuré à partir de clips (enregistrements : %1, fichiers : %2, ignorés : %3) : %4, %5</translation>
    </message>
    <message>
        <source>Only files and folders on this computer can be measured; %1 is not one.</source>
        <translation>Seuls les fichiers et dossiers de cet ordinateur peuvent être mesurés ; %1 n&apos;en fait pas partie.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips sent a line longer than 64 KiB. Nothing was changed.</source>
        <translation>La mesure s&apos;est arrêtée : le lecteur des clips a envoyé une ligne de plus de 64 Kio. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Nothing was measured: %1</source>
        <translation>Rien n&apos;a été mesuré : %1</translation>
    </message>
    <message>
        <source>the reader of the clips could not run</source>
        <translation>le lecteur des clips n&apos;a pas pu fonctionner</translation>
    </message>
    <message>
        <source>not measured, for a reason not known here</source>
        <translation>non mesuré, pour une raison inconnue ici</translation>
    </message>
    <message>
        <source>Nothing was changed: the reader of the clips sent figures that cannot be right.</source>
        <translation>Rien n&apos;a été modifié : le lecteur des clips a envoyé des valeurs qui ne peuvent pas être justes.</translation>
    </message>
    <message>
        <source>Nothing was measured: the reader of the clips ended without a result.</source>
        <translation>Rien n&apos;a été mesuré : le lecteur des clips s&apos;est terminé sans résultat.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips failed. Nothing was changed.</source>
        <translation>La mesure s&apos;est arrêtée : le lecteur des clips a échoué. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips failed on %1. Nothing was changed.</source>
        <translation>La mesure s&apos;est arrêtée : le lecteur des clips a échoué sur %1. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Measuring clips needs kivfilesize, installed beside the calculator; %1 could not be started.</source>
        <translation>La mesure des clips nécessite kivfilesize, installé à côté du calculateur ; %1 n&apos;a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignorés : %1</translation>
    </message>
    <message>
        <source>Incomplete: camera media that could not be measured is left out (%1 MB).</source>
        <translation>Incomplet : les médias de caméra qui n&apos;ont pas pu être mesurés sont exclus (%1 Mo).</translation>
    </message>
</context>
<context>
    <name>KivClipReason</name>
    <message>
        <source>not a local file: only paths and file:// URLs of this machine can be measured</source>
        <translation>pas un fichier local : seuls les chemins et les URL file:// de cet ordinateur peuvent être mesurés</translation>
    </message>
    <message>
        <source>empty path</source>
        <translation>chemin vide</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>ni un fichier ordinaire ni un dossier</translation>
    </message>
    <message>
        <source>symbolic link to a folder, not followed</source>
        <translation>lien symbolique vers un dossier, non suivi</translation>
    </message>
    <message>
        <source>already counted</source>
        <translation>déjà compté</translation>
    </message>
    <message>
        <source>no clip in this folder</source>
        <translation>aucun clip dans ce dossier</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>fichier vide</translation>
    </message>
    <message>
        <source>not a clip: no audio or video with a duration</source>
        <translation>pas un clip : ni son ni image avec une durée</translation>
    </message>
    <message>
        <source>not a clip: cut short</source>
        <translation>pas un clip : tronqué</translation>
    </message>
    <message>
        <source>not a clip: describes media kept in another file</source>
        <translation>pas un clip : décrit des médias conservés dans un autre fichier</translation>
    </message>
    <message>
        <source>not a clip: no usable duration</source>
        <translation>pas un clip : aucune durée utilisable</translation>
    </message>
    <message>
        <source>cannot be read: its name is not UTF-8 and /proc is not mounted to name it otherwise</source>
        <translation>illisible : son nom n&apos;est pas en UTF-8 et /proc n&apos;est pas monté pour le nommer autrement</translation>
    </message>
    <message>
        <source>measuring clips needs libmediainfo0v5</source>
        <translation>la mesure des clips nécessite libmediainfo0v5</translation>
    </message>
    <message>
        <source>measuring clips needs seccomp filters to keep MediaInfoLib off the network</source>
        <translation>la mesure des clips nécessite des filtres seccomp qui tiennent MediaInfoLib à l&apos;écart du réseau</translation>
    </message>
    <message>
        <source>camera original the reader cannot measure</source>
        <translation>original de caméra que le lecteur ne peut pas mesurer</translation>
    </message>
    <message>
        <source>a link that loops</source>
        <translation>un lien qui boucle</translation>
    </message>
    <message>
        <source>name too long for the system</source>
        <translation>nom trop long pour le système</translation>
    </message>
    <message>
        <source>empty path in the list</source>
        <translation>chemin vide dans la liste</translation>
    </message>
    <message>
        <source>left out: its recording&apos;s main file cannot be measured</source>
        <translation>exclu : le fichier principal de son enregistrement ne peut pas être mesuré</translation>
    </message>
</context>
<context>
    <name>KivFileSizeCalculatorClass</name>
    <message>
        <source>Kiv File Size Calculator</source>
        <translation>Calculateur de taille de fichier Kiv</translation>
    </message>
    <message>
        <source>Calculate Bitrate/Card Size/Time</source>
        <translation>Calculer débit/taille de carte/durée</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Bitrate in megabits per second</source>
        <translation>Débit en mégabits par seconde</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Taille de carte</translation>
    </message>
    <message>
        <source>Card size in gigabytes</source>
        <translation>Taille de carte en gigaoctets</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Recording time in hours, minutes and seconds</source>
        <translation>Durée d&apos;enregistrement en heures, minutes et secondes</translation>
    </message>
    <message>
        <source>Hours:Minutes:Seconds</source>
        <translation>heures:minutes:secondes</translation>
    </message>
    <message>
        <source>Mbits/sec</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Calculate Bitrate in Mbits/sec or MB/sec</source>
        <translation>Convertir le débit en Mbit/s ou Mo/s</translation>
    </message>
    <message>
        <source>Bitrate in megabytes per second</source>
        <translation>Débit en mégaoctets par seconde</translation>
    </message>
    <message>
        <source>MB/sec</source>
        <translation>Mo/s</translation>
    </message>
    <message>
        <source>Right-click for the bitrate of a recording format; drop clips on the window to measure theirs.</source>
        <translation>Clic droit pour le débit d&apos;un format d&apos;enregistrement ; déposez des clips sur la fenêtre pour mesurer le leur.</translation>
    </message>
</context>
<context>
    <name>KivFormatChooser</name>
    <message>
        <source>target: what the encoder aims at; real files of simple pictures come in lower</source>
        <translation>cible : le débit que vise l&apos;encodeur ; les fichiers réels d&apos;images simples sont plus petits</translation>
    </message>
    <message>
        <source>constant: the same size for every frame</source>
        <translation>constant : la même taille pour chaque image</translation>
    </message>
    <message>
        <source>maximum: the most the mode records; averages come in lower</source>
        <translation>maximum : le plus que le mode enregistre ; en moyenne, c&apos;est moins</translation>
    </message>
    <message>
        <source>average: what a typical recording comes to</source>
        <translation>moyenne : ce que donne un enregistrement typique</translation>
    </message>
    <message>
        <source>Write the frame size as width x height, for example 1920x1080.</source>
        <translation>Indiquez la taille d&apos;image sous la forme largeur x hauteur, par exemple 1920x1080.</translation>
    </message>
    <message>
        <source>Write the frame rate as a number, for example 25 or 29.97, or as a fraction such as 30000/1001.</source>
        <translation>Indiquez la fréquence d&apos;images par un nombre, par exemple 25 ou 29,97, ou par une fraction comme 30000/1001.</translation>
    </message>
    <message>
        <source>%1 exists only at %2.</source>
        <translation>%1 n&apos;existe qu&apos;en %2.</translation>
    </message>
    <message>
        <source>%1 Mbit/s, %2; %3.</source>
        <translation>%1 Mbit/s, %2 ; %3.</translation>
    </message>
    <message>
        <source>audio included</source>
        <translation>audio compris</translation>
    </message>
    <message>
        <source>video only</source>
        <translation>vidéo seule</translation>
    </message>
    <message>
        <source>Scaled from %1 at %2 fps.</source>
        <translation>Mis à l&apos;échelle depuis %1 à %2 i/s.</translation>
    </message>
    <message>
        <source>Scaled from %1.</source>
        <translation>Mis à l&apos;échelle depuis %1.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Source : %1</translation>
    </message>
    <message>
        <source>approximate: the maker&apos;s rounded figure, neither a maximum nor an average</source>
        <translation>approximatif : le chiffre arrondi du fabricant, ni un maximum ni une moyenne</translation>
    </message>
    <message>
        <source>net: the rate of the video stream alone</source>
        <translation>net : le débit du seul flux vidéo</translation>
    </message>
    <message>
        <source>nominal: the rate the format is known by; its source says no more</source>
        <translation>nominal : le débit sous lequel le format est connu ; sa source n&apos;en dit pas plus</translation>
    </message>
    <message>
        <source>Width and height must be 1 to %1 pixels.</source>
        <translation>La largeur et la hauteur doivent être de 1 à %1 pixels.</translation>
    </message>
    <message>
        <source>%1 exists only at %2 frames per second.</source>
        <translation>%1 n&apos;existe qu&apos;à %2 images par seconde.</translation>
    </message>
    <message>
        <source>%1, with alpha</source>
        <translation>%1, avec alpha</translation>
    </message>
    <message>
        <source>%1, without alpha</source>
        <translation>%1, sans alpha</translation>
    </message>
    <message>
        <source>With %1 channels of 24-bit 48 kHz PCM audio (%2 Mbit/s): %3 Mbit/s.</source>
        <translation>Avec %1 canaux audio PCM 24 bits 48 kHz (%2 Mbit/s) : %3 Mbit/s.</translation>
    </message>
</context>
<context>
    <name>KivFormatChooserClass</name>
    <message>
        <source>Bitrate of a Recording Format</source>
        <translation>Débit d&apos;un format d&apos;enregistrement</translation>
    </message>
    <message>
        <source>&amp;Family:</source>
        <translation>&amp;Famille :</translation>
    </message>
    <message>
        <source>Family of recording formats</source>
        <translation>Famille de formats d&apos;enregistrement</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat :</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>Format d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Frame &amp;size:</source>
        <translation>&amp;Taille d&apos;image :</translation>
    </message>
    <message>
        <source>Frame size in pixels, width by height</source>
        <translation>Taille d&apos;image en pixels, largeur par hauteur</translation>
    </message>
    <message>
        <source>Frame &amp;rate:</source>
        <translation>Fré&amp;quence d&apos;images :</translation>
    </message>
    <message>
        <source>Frame rate in frames per second</source>
        <translation>Fréquence d&apos;images en images par seconde</translation>
    </message>
    <message>
        <source>Bitrate of the chosen format</source>
        <translation>Débit du format choisi</translation>
    </message>
    <message>
        <source>Faults in formats files</source>
        <translation>Erreurs dans les fichiers de formats</translation>
    </message>
    <message>
        <source>&amp;Audio:</source>
        <translation>&amp;Audio :</translation>
    </message>
    <message>
        <source>Audio recorded beside the video, 24-bit 48 kHz PCM</source>
        <translation>Audio enregistré à côté de la vidéo, PCM 24 bits 48 kHz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>2 channels</source>
        <translation>2 canaux</translation>
    </message>
    <message>
        <source>4 channels</source>
        <translation>4 canaux</translation>
    </message>
    <message>
        <source>8 channels</source>
        <translation>8 canaux</translation>
    </message>
</context>
<context>
    <name>KivFormatMenu</name>
    <message>
        <source>Bitrate of a recording format…</source>
        <translation>Débit d&apos;un format d&apos;enregistrement…</translation>
    </message>
    <message>
        <source>Plan a shoot…</source>
        <translation>Planifier un tournage…</translation>
    </message>
    <message>
        <source>Free space of a mounted card…</source>
        <translation>Espace libre d&apos;une carte montée…</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1: %2 GB free of %3 GB</source>
        <translation>%1 : %2 Go libres sur %3 Go</translation>
    </message>
    <message>
        <source>Free Space of a Card</source>
        <translation>Espace libre d&apos;une carte</translation>
    </message>
    <message>
        <source>No mounted volume was found.</source>
        <translation>Aucun volume monté n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume :</translation>
    </message>
</context>
<context>
    <name>KivPlanCameraModel</name>
    <message>
        <source>%1 audio channels</source>
        <translation>%1 canaux audio</translation>
    </message>
    <message>
        <source>audio %1</source>
        <translation>audio %1</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 i/s</translation>
    </message>
    <message>
        <source>Clips: %1</source>
        <translation>Clips : %1</translation>
    </message>
    <message>
        <source>Measuring clips…</source>
        <translation>Mesure des clips…</translation>
    </message>
</context>
<context>
    <name>KivPlanDocument</name>
    <message>
        <source>Camera %1</source>
        <translation>Caméra %1</translation>
    </message>
    <message>
        <source>Camera %1, %2</source>
        <translation>Caméra %1, %2</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Choisir un format</translation>
    </message>
    <message>
        <source>Measure Clips</source>
        <translation>Mesurer des clips</translation>
    </message>
    <message>
        <source>Add Camera</source>
        <translation>Ajouter une caméra</translation>
    </message>
    <message>
        <source>Remove Camera</source>
        <translation>Supprimer la caméra</translation>
    </message>
    <message>
        <source>%1 (measuring its clips…)</source>
        <translation>%1 (mesure de ses clips…)</translation>
    </message>
    <message>
        <source>%1 (no bitrate yet)</source>
        <translation>%1 (pas encore de débit)</translation>
    </message>
    <message>
        <source>The totals leave out %1.</source>
        <translation>Les totaux ne comptent pas %1.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 de plus</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérifier</translation>
    </message>
</context>
<context>
    <name>KivPlanFaultWords</name>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Taille de la carte</translation>
    </message>
    <message>
        <source>Drive size</source>
        <translation>Taille du disque</translation>
    </message>
    <message>
        <source>Offload speed</source>
        <translation>Vitesse de déchargement</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Caméras</translation>
    </message>
    <message>
        <source>line %1, column %2: not a plan file (%3)</source>
        <translation>ligne %1, colonne %2 : pas un fichier de plan (%3)</translation>
    </message>
    <message>
        <source>not a plan file</source>
        <translation>pas un fichier de plan</translation>
    </message>
    <message>
        <source>larger than %1 MiB; not read</source>
        <translation>plus de %1 Mio ; non lu</translation>
    </message>
    <message>
        <source>a folder, not a plan file</source>
        <translation>un dossier, pas un fichier de plan</translation>
    </message>
    <message>
        <source>not a regular file; not read</source>
        <translation>pas un fichier ordinaire ; non lu</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>ne peut pas être écrit (%1)</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>doit être un nombre de %1 à %2</translation>
    </message>
    <message>
        <source>a plan has 1 to %1 cameras</source>
        <translation>un plan a de 1 à %1 caméras</translation>
    </message>
    <message>
        <source>%1 cannot be read as a time (%2)</source>
        <translation>%1 ne se lit pas comme une durée (%2)</translation>
    </message>
    <message>
        <source>%1 is longer than a day (%2)</source>
        <translation>%1 dépasse une journée (%2)</translation>
    </message>
    <message>
        <source>no bitrate yet</source>
        <translation>pas encore de débit</translation>
    </message>
    <message>
        <source>the frame rate must be from %1 to %2 frames per second</source>
        <translation>la cadence doit être de %1 à %2 images par seconde</translation>
    </message>
    <message>
        <source>the format cannot be used (%1)</source>
        <translation>le format ne peut pas être utilisé (%1)</translation>
    </message>
    <message>
        <source>the figure of %1 includes its audio already</source>
        <translation>le débit de %1 comprend déjà son audio</translation>
    </message>
    <message>
        <source>the clips were not measured (%1)</source>
        <translation>les clips n’ont pas été mesurés (%1)</translation>
    </message>
    <message>
        <source>the clips are being measured</source>
        <translation>les clips sont en cours de mesure</translation>
    </message>
    <message>
        <source>a rate of %1 Mbit/s cannot be planned; it must be above 0 and at most %2</source>
        <translation>un débit de %1 Mbit/s ne peut pas être planifié ; il doit être supérieur à 0 et au plus %2</translation>
    </message>
    <message>
        <source>at %1 Mbit/s a %2 %3 card lasts longer than %4, the longest time there is</source>
        <translation>à %1 Mbit/s une carte de %2 %3 dure plus de %4, la plus longue durée qui soit</translation>
    </message>
    <message>
        <source>at %1 MB/s a day&apos;s %2 %3 take longer than %4, the longest time there is</source>
        <translation>à %1 Mo/s les %2 %3 d’une journée prennent plus de %4, la plus longue durée qui soit</translation>
    </message>
    <message>
        <source>Day length</source>
        <translation>Durée du jour de tournage</translation>
    </message>
    <message>
        <source>Handoff</source>
        <translation>Temps de navette</translation>
    </message>
    <message>
        <source>Card readers</source>
        <translation>Lecteurs de cartes</translation>
    </message>
    <message>
        <source>a day of 00:00:00 plans nothing; give its length, as 10:00:00</source>
        <translation>un jour de 00:00:00 ne planifie rien ; indiquez sa durée, comme 10:00:00</translation>
    </message>
    <message>
        <source>missing; the day length plans cards and their offload, give it</source>
        <translation>manquant ; la durée du jour planifie les cartes et leur déchargement, indiquez-le</translation>
    </message>
    <message>
        <source>%1 is longer than the day length %2</source>
        <translation>%1 est plus long que la durée du jour %2</translation>
    </message>
    <message>
        <source>fills %1 cards a day per body; a day is planned for at most %2</source>
        <translation>remplit %1 cartes par jour et par boîtier ; un jour se planifie pour %2 au plus</translation>
    </message>
</context>
<context>
    <name>KivPlanReport</name>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>impossible d&apos;écrire %1 (%2)</translation>
    </message>
    <message>
        <source>Storage budget: %1</source>
        <translation>Budget de stockage : %1</translation>
    </message>
    <message>
        <source>Days: %1</source>
        <translation>Jours : %1</translation>
    </message>
    <message>
        <source>Copies: %1</source>
        <translation>Copies : %1</translation>
    </message>
    <message>
        <source>Cards of %1 %2</source>
        <translation>Cartes de %1 %2</translation>
    </message>
    <message>
        <source>Drives of %1 %2</source>
        <translation>Disques de %1 %2</translation>
    </message>
    <message>
        <source>Offload at %1 MB/s</source>
        <translation>Déchargement à %1 Mo/s</translation>
    </message>
    <message>
        <source>Proxy: %1</source>
        <translation>Proxy : %1</translation>
    </message>
    <message>
        <source>Kiv File Size Calculator, %1</source>
        <translation>Calculateur de taille de fichier Kiv, %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>Card size (%1)</source>
        <translation>Taille de carte (%1)</translation>
    </message>
    <message>
        <source>Drive size (%1)</source>
        <translation>Taille de disque (%1)</translation>
    </message>
    <message>
        <source>Offload (MB/s)</source>
        <translation>Déchargement (Mo/s)</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Counted as</source>
        <translation>Compté comme</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>A cell that starts with =, +, -, @, a tab or a carriage return starts with &apos; here, so that it is not a formula</source>
        <translation>Une cellule qui commence par =, +, -, @, une tabulation ou un retour chariot commence ici par &apos;, afin de ne pas être une formule</translation>
    </message>
</context>
<context>
    <name>KivPlanWords</name>
    <message>
        <source>GiB</source>
        <translation>Gio</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>TiB</source>
        <translation>Tio</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>To</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Time per day</source>
        <translation>Durée par jour</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Mbit/s per body</source>
        <translation>Mbit/s par boîtier</translation>
    </message>
    <message>
        <source>%1 per day</source>
        <translation>%1 par jour</translation>
    </message>
    <message>
        <source>Cards per body a day</source>
        <translation>Cartes par boîtier et par jour</translation>
    </message>
    <message>
        <source>Card time</source>
        <translation>Durée par carte</translation>
    </message>
    <message>
        <source>%1 for the shoot</source>
        <translation>%1 pour le tournage</translation>
    </message>
    <message>
        <source>%1 with copies</source>
        <translation>%1 avec les copies</translation>
    </message>
    <message>
        <source>%1 of proxies</source>
        <translation>%1 de proxys</translation>
    </message>
    <message>
        <source>%1 in all</source>
        <translation>%1 au total</translation>
    </message>
    <message>
        <source>Cards a day, all bodies</source>
        <translation>Cartes par jour, tous les boîtiers</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Disques</translation>
    </message>
    <message>
        <source>Offload per day</source>
        <translation>Déchargement par jour</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Cards per body</source>
        <translation>Cartes par boîtier</translation>
    </message>
    <message>
        <source>Cards to rent</source>
        <translation>Cartes à louer</translation>
    </message>
    <message>
        <source>Offload done</source>
        <translation>Déchargement terminé</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>the offload does not finish before the next day</source>
        <translation>le déchargement ne finit pas avant le jour suivant</translation>
    </message>
    <message>
        <source>%1 (%2 after wrap), %3, %4</source>
        <translation>%1 (%2 après la fin du tournage), %3, %4</translation>
    </message>
    <message>
        <source>1 reader</source>
        <translation>1 lecteur</translation>
    </message>
    <message>
        <source>%1 readers</source>
        <translation>%1 lecteurs</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifié</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non vérifié</translation>
    </message>
</context>
<context>
    <name>KivPlanner</name>
    <message>
        <source>measuring was cancelled</source>
        <translation>la mesure a été annulée</translation>
    </message>
    <message>
        <source>Plan a Shoot</source>
        <translation>Planifier un tournage</translation>
    </message>
    <message>
        <source>%1[*] – Plan a Shoot</source>
        <translation>%1[*] – Planifier un tournage</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Ouvrir un plan</translation>
    </message>
    <message>
        <source>Plans (*.json);;All files (*)</source>
        <translation>Plans (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Enregistrer le plan</translation>
    </message>
    <message>
        <source>Plans (*.json)</source>
        <translation>Plans (*.json)</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The plan was not opened: %1</source>
        <translation>Le plan n&apos;a pas été ouvert : %1</translation>
    </message>
    <message>
        <source>The plan was not saved: %1</source>
        <translation>Le plan n&apos;a pas été enregistré : %1</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>Rien n&apos;a été exporté : %1</translation>
    </message>
    <message>
        <source>untitled plan</source>
        <translation>plan sans titre</translation>
    </message>
    <message>
        <source>The plan has changes that are not saved. Save them?</source>
        <translation>Le plan a des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>Measure Clips</source>
        <translation>Mesurer des clips</translation>
    </message>
    <message>
        <source>Measure a Card Folder</source>
        <translation>Mesurer le dossier d&apos;une carte</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non mesuré</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Éd&amp;ition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>KivPlannerClass</name>
    <message>
        <source>Plan a Shoot</source>
        <translation>Planifier un tournage</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Tournage</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unités :</translation>
    </message>
    <message>
        <source>Units of a gigabyte</source>
        <translation>Unités d&apos;un gigaoctet</translation>
    </message>
    <message>
        <source>GB of 1024 MB, as the calculator counts</source>
        <translation>Go de 1024 Mo, comme compte le calculateur</translation>
    </message>
    <message>
        <source>GB of 10^9 bytes, as card labels count</source>
        <translation>Go de 10^9 octets, comme comptent les étiquettes des cartes</translation>
    </message>
    <message>
        <source>GiB of 2^30 bytes, as systems show a card</source>
        <translation>Gio de 2^30 octets, comme les systèmes affichent une carte</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Jours :</translation>
    </message>
    <message>
        <source>Days of shooting</source>
        <translation>Jours de tournage</translation>
    </message>
    <message>
        <source>C&amp;opies:</source>
        <translation>Copi&amp;es :</translation>
    </message>
    <message>
        <source>Copies kept of the camera files</source>
        <translation>Copies conservées des fichiers des caméras</translation>
    </message>
    <message>
        <source>Card si&amp;ze:</source>
        <translation>Taille de la ca&amp;rte :</translation>
    </message>
    <message>
        <source>Card size in gigabytes</source>
        <translation>Taille de carte en gigaoctets</translation>
    </message>
    <message>
        <source>Dri&amp;ve size:</source>
        <translation>Taille du &amp;disque :</translation>
    </message>
    <message>
        <source>Drive size in gigabytes</source>
        <translation>Taille du disque en gigaoctets</translation>
    </message>
    <message>
        <source>Off&amp;load speed:</source>
        <translation>Vitesse de déc&amp;hargement :</translation>
    </message>
    <message>
        <source>Offload speed in megabytes per second</source>
        <translation>Vitesse de déchargement en mégaoctets par seconde</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>Mo/s</translation>
    </message>
    <message>
        <source>Pro&amp;xy:</source>
        <translation>Pro&amp;xy :</translation>
    </message>
    <message>
        <source>Proxy bitrate in megabits per second, or its format</source>
        <translation>Débit du proxy en mégabits par seconde, ou son format</translation>
    </message>
    <message>
        <source>Mbit/s</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Fo&amp;rmat…</source>
        <translation>Form&amp;at…</translation>
    </message>
    <message>
        <source>Choose the proxy&apos;s recording format</source>
        <translation>Choisir le format d&apos;enregistrement du proxy</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Gigabytes per day</source>
        <translation>Gigaoctets par jour</translation>
    </message>
    <message>
        <source>Gigabytes for the shoot</source>
        <translation>Gigaoctets pour le tournage</translation>
    </message>
    <message>
        <source>Gigabytes with copies</source>
        <translation>Gigaoctets avec les copies</translation>
    </message>
    <message>
        <source>Gigabytes of proxies</source>
        <translation>Gigaoctets de proxys</translation>
    </message>
    <message>
        <source>Gigabytes in all</source>
        <translation>Gigaoctets au total</translation>
    </message>
    <message>
        <source>Drives needed</source>
        <translation>Disques nécessaires</translation>
    </message>
    <message>
        <source>Offload time per day, hours, minutes and seconds</source>
        <translation>Durée de déchargement par jour, heures, minutes et secondes</translation>
    </message>
    <message>
        <source>Ca&amp;meras (drop clips or a card&apos;s folder on a row to measure its bitrate):</source>
        <translation>Ca&amp;méras (déposez des clips ou le dossier d&apos;une carte sur une ligne pour en mesurer le débit) :</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Caméras</translation>
    </message>
    <message>
        <source>A row a camera: name, count, time per day and bitrate, then its megabits per second, gigabytes per day, cards per day, the time one card holds and gigabytes</source>
        <translation>Une ligne par caméra : nom, nombre, durée par jour et débit, puis ses mégabits par seconde, gigaoctets par jour, cartes par jour, la durée que contient une carte et gigaoctets</translation>
    </message>
    <message>
        <source>&amp;Add Camera</source>
        <translation>Aj&amp;outer une caméra</translation>
    </message>
    <message>
        <source>R&amp;emove Camera</source>
        <translation>&amp;Supprimer la caméra</translation>
    </message>
    <message>
        <source>Choose Forma&amp;t…</source>
        <translation>Choisir le forma&amp;t…</translation>
    </message>
    <message>
        <source>Fault of the plan</source>
        <translation>Erreur du plan</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Caméra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>Export as &amp;CSV…</source>
        <translation>Exporter en &amp;CSV…</translation>
    </message>
    <message>
        <source>Export as &amp;PDF…</source>
        <translation>Exporter en &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Remove Camera</source>
        <translation>&amp;Supprimer la caméra</translation>
    </message>
    <message>
        <source>Choose &amp;Format…</source>
        <translation>Choisir le &amp;format…</translation>
    </message>
    <message>
        <source>&amp;Measure Clips…</source>
        <translation>&amp;Mesurer des clips…</translation>
    </message>
    <message>
        <source>Measure a Card F&amp;older…</source>
        <translation>Mesurer le &amp;dossier d&apos;une carte…</translation>
    </message>
    <message>
        <source>Day len&amp;gth:</source>
        <translation>Durée du jour de tourna&amp;ge :</translation>
    </message>
    <message>
        <source>Length of the shooting day, hours, minutes and seconds</source>
        <translation>Durée du jour de tournage, heures, minutes et secondes</translation>
    </message>
    <message>
        <source>The span of a shooting day, as 10:00:00; each camera records its time per day spread over it. Empty: no day planned</source>
        <translation>La durée d&apos;un jour de tournage, comme 10:00:00 ; chaque caméra y répartit son temps par jour. Vide : aucun jour planifié</translation>
    </message>
    <message>
        <source>&amp;Handoff:</source>
        <translation>Temps de &amp;navette :</translation>
    </message>
    <message>
        <source>Handoff time to the offload station and back, hours, minutes and seconds</source>
        <translation>Temps de navette jusqu&apos;au poste de déchargement et retour, heures, minutes et secondes</translation>
    </message>
    <message>
        <source>The time a full card takes to reach the offload station, and again to come back to its camera</source>
        <translation>Le temps qu&apos;une carte pleine met pour atteindre le poste de déchargement, puis pour revenir à sa caméra</translation>
    </message>
    <message>
        <source>Card reader&amp;s:</source>
        <translation>&amp;Lecteurs de cartes :</translation>
    </message>
    <message>
        <source>Card readers at the offload station, 1 to 64</source>
        <translation>Lecteurs de cartes au poste de déchargement, de 1 à 64</translation>
    </message>
    <message>
        <source>Cards offloaded at the same time, each at the offload speed</source>
        <translation>Cartes déchargées en même temps, chacune à la vitesse de déchargement</translation>
    </message>
    <message>
        <source>Ver&amp;ify each card after its copy</source>
        <translation>&amp;Vérifier chaque carte après sa copie</translation>
    </message>
    <message>
        <source>Each card is read a second time after its copy, so its offload takes twice as long</source>
        <translation>Chaque carte est relue après sa copie : son déchargement prend deux fois plus de temps</translation>
    </message>
    <message>
        <source>Verify each card after its copy</source>
        <translation>Vérifier chaque carte après sa copie</translation>
    </message>
    <message>
        <source>Cards to rent for all bodies</source>
        <translation>Cartes à louer pour tous les boîtiers</translation>
    </message>
    <message>
        <source>Offload done, from the start of the day</source>
        <translation>Déchargement terminé, depuis le début du jour</translation>
    </message>
    <message>
        <source>Warning of the day</source>
        <translation>Avertissement du jour</translation>
    </message>
</context>
</TS>
