<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>DocumentCommand</name>
    <message>
        <source>Add channel</source>
        <translation>Ajout de chaîne</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Ajout de groupe</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Ajout de satellite</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Ajout de transpondeur</translation>
    </message>
    <message>
        <source>Auto Arabisation</source>
        <translation>Arabisation automatique</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Suppression de groupe</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Suppression de satellite</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Suppression de transpondeur</translation>
    </message>
    <message>
        <source>Edit channel</source>
        <translation>Modification de chaîne</translation>
    </message>
    <message>
        <source>Edit group</source>
        <translation>Modification de groupe</translation>
    </message>
    <message>
        <source>Edit satellite</source>
        <translation>Modification de satellite</translation>
    </message>
    <message>
        <source>Change receiver settings</source>
        <translation>Modification des paramètres du récepteur</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Modification de transpondeur</translation>
    </message>
    <message>
        <source>Move group</source>
        <translation>Déplacement de groupe</translation>
    </message>
    <message>
        <source>Move satellite</source>
        <translation>Déplacement de satellite</translation>
    </message>
    <message>
        <source>Move transponder</source>
        <translation>Déplacement de transpondeur</translation>
    </message>
    <message>
        <source>Remove C Band</source>
        <translation>Supprimer la bande C</translation>
    </message>
    <message>
        <source>Delete channel</source>
        <translation>Suppression de chaîne</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>Suppression de chaînes</translation>
    </message>
    <message>
        <source>Remove Data</source>
        <translation>Supprimer les données</translation>
    </message>
    <message>
        <source>Remove from group</source>
        <translation>Retrait du groupe</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>Reorder group members</source>
        <translation>Réordonnancement du groupe</translation>
    </message>
    <message>
        <source>Change group membership</source>
        <translation>Modification des groupes de la chaîne</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Kavro Channel Editor

ChData

.ird
irdfile
Kavro Channel Data</source>
        <translation>Editeur de chaînes Kavro

ChData

.ird
irdfile
Données de chaînes Kavro</translation>
    </message>
    <message>
        <source>Edit selected item.
Edit</source>
        <translation>Modifier l&apos;élément sélectionné.
Modifier</translation>
    </message>
    <message>
        <source>Add new item.
Add</source>
        <translation>Ajouter un nouvel élément.
Ajouter</translation>
    </message>
    <message>
        <source>Delete selected item.
Delete</source>
        <translation>Supprimer l&apos;élément sélectionné.
Supprimer</translation>
    </message>
    <message>
        <source>The following occurrence of the text specified in preceding research Seeks.
Find Next</source>
        <translation>Recherche l&apos;occurrence suivante du texte de la recherche précédente.
Suivant</translation>
    </message>
    <message>
        <source>Rename Arabic channals.
Auto Arabisation</source>
        <translation>Renommer les chaînes en arabe.
Arabisation automatique</translation>
    </message>
    <message>
        <source>Remove DATA channals.
Remove DATA</source>
        <translation>Supprimer les chaînes de données.
Supprimer DATA</translation>
    </message>
    <message>
        <source>Remove the C Band satellite.
Remove C Band</source>
        <translation>Supprimer les satellites en bande C.
Supprimer la bande C</translation>
    </message>
    <message>
        <source>Read the data from the receiver.
Upload</source>
        <translation>Lire les données du récepteur.
Recevoir du récepteur</translation>
    </message>
    <message>
        <source>Send the data to the receiver.
Download</source>
        <translation>Envoyer les données au récepteur.
Envoyer au récepteur</translation>
    </message>
    <message>
        <source>Channals list Sorting.
Sort</source>
        <translation>Trier la liste des chaînes.
Trier</translation>
    </message>
    <message>
        <source>Edit the list of Arabic channals.
Arabic channals</source>
        <translation>Modifier la liste des noms arabes des chaînes.
Chaînes arabes</translation>
    </message>
    <message>
        <source>View Parameters.
Parameters</source>
        <translation>Afficher les paramètres du récepteur.
Paramètres</translation>
    </message>
    <message>
        <source>Toggle language.
Language</source>
        <translation>Changer la langue de l&apos;interface.
Langue</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Data File (*.IRD)|*.IRD|All files (*.*)|*.*||</source>
        <translation>Fichier de données (*.IRD)|*.IRD|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>All files (*.*)|*.*||</source>
        <translation>Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source> - &lt;Realized by : %s&gt;</source>
        <translation> - &lt;Réalisé par : %s&gt;</translation>
    </message>
    <message>
        <source>Do you want to remove this satellite?</source>
        <translation>Voulez-vous supprimer ce satellite ?</translation>
    </message>
    <message>
        <source>Do you want to remove this transpondeur?</source>
        <translation>Voulez-vous supprimer ce transpondeur ?</translation>
    </message>
    <message>
        <source>Do you want to remove this group?</source>
        <translation>Voulez-vous supprimer ce groupe ?</translation>
    </message>
    <message>
        <source>Do you want to remove this channal?</source>
        <translation>Voulez-vous supprimer cette chaîne ?</translation>
    </message>
    <message>
        <source>Do you want to remove these channals?</source>
        <translation>Voulez-vous supprimer ces chaînes ?</translation>
    </message>
    <message>
        <source>Type
Channal
Satellite
TP
V-PID
A-PID
PCR
SID
PMT
TText
AC3-PID
Audio Lang</source>
        <translation>Type
Chaîne
Satellite
TP
V-PID
A-PID
PCR
SID
PMT
TTX
AC3-PID
Langue audio</translation>
    </message>
    <message>
        <source>Opening file in progress...</source>
        <translation>Ouverture du fichier en cours...</translation>
    </message>
    <message>
        <source>Saving file in progress...</source>
        <translation>Enregistrement du fichier en cours...</translation>
    </message>
    <message>
        <source>The File &apos;%s&apos; is cannot be identified as a supported type.
Please make sure that it is the good file!</source>
        <translation>Le fichier &apos;%s&apos; n&apos;est pas d&apos;un type reconnu.
Vérifiez qu&apos;il s&apos;agit du bon fichier !</translation>
    </message>
    <message>
        <source>Invalidate File or DATA version is different.
Please make sure that it is the good file!</source>
        <translation>Fichier non valide ou version des données différente.
Vérifiez qu&apos;il s&apos;agit du bon fichier !</translation>
    </message>
    <message>
        <source>n°
Latin Name
Arabic Name
</source>
        <translation>n°
Nom latin
Nom arabe
</translation>
    </message>
    <message>
        <source>This channel name already exist at the position %d.

Are sure to change it?</source>
        <translation>Ce nom de chaîne existe déjà à la position %d.

Voulez-vous vraiment le modifier ?</translation>
    </message>
    <message>
        <source>The receiver holds at most %d satellites.</source>
        <translation>Le récepteur contient au plus %d satellites.</translation>
    </message>
    <message>
        <source>The receiver holds at most %d transponders.</source>
        <translation>Le récepteur contient au plus %d transpondeurs.</translation>
    </message>
    <message>
        <source>The receiver holds at most %d channels.</source>
        <translation>Le récepteur contient au plus %d chaînes.</translation>
    </message>
    <message>
        <source>The receiver holds at most %d groups.</source>
        <translation>Le récepteur contient au plus %d groupes.</translation>
    </message>
    <message>
        <source>A group holds at most %d channels.</source>
        <translation>Un groupe contient au plus %d chaînes.</translation>
    </message>
    <message>
        <source>Cannot open the port &apos;%s&apos;.</source>
        <translation>Impossible d&apos;ouvrir le port &apos;%s&apos;.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Remainder : %d Sec.</source>
        <translation>Reste : %d s.</translation>
    </message>
    <message>
        <source>Successful to Upload Header.</source>
        <translation>En-tête reçu avec succès.</translation>
    </message>
    <message>
        <source>Successful to Upload data.</source>
        <translation>Données reçues avec succès.</translation>
    </message>
    <message>
        <source>Failed to Upload data.
Want réessayer another time!</source>
        <translation>Echec de la réception des données.
Veuillez réessayer !</translation>
    </message>
    <message>
        <source>Cannot write data to list.</source>
        <translation>Impossible d&apos;écrire les données dans la liste.</translation>
    </message>
    <message>
        <source>The receiver announced an image of %d bytes, far more than a receiver database holds.
Nothing was received.</source>
        <translation>Le récepteur a annoncé une image de %d octets, bien plus que ne contient sa base de données.
Rien n&apos;a été reçu.</translation>
    </message>
    <message>
        <source>Successful to Download Header.</source>
        <translation>En-tête envoyé avec succès.</translation>
    </message>
    <message>
        <source>Successful to Download data.</source>
        <translation>Données envoyées avec succès.</translation>
    </message>
    <message>
        <source>Failed to Download data.
Want réessayer another time!</source>
        <translation>Echec de l&apos;envoi des données.
Veuillez réessayer !</translation>
    </message>
    <message>
        <source>Cannot read data from list.</source>
        <translation>Impossible de lire les données de la liste.</translation>
    </message>
    <message>
        <source>The receiver stopped answering: nothing arrived for %d s.</source>
        <translation>Le récepteur ne répond plus : rien n&apos;est arrivé depuis %d s.</translation>
    </message>
    <message>
        <source>The receiver announced an image of %d bytes, too short for a receiver database.
Nothing was received.</source>
        <translation>Le récepteur a annoncé une image de %d octets, trop courte pour une base de données.
Rien n&apos;a été reçu.</translation>
    </message>
    <message>
        <source>The receiver ended the transfer after %1 of %2 bytes.</source>
        <translation>Le récepteur a terminé le transfert après %1 octets sur %2.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Le transfert a été annulé.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>This channal is Crypted! are you sure to rename it?</source>
        <translation>Cette chaîne est cryptée ! Voulez-vous vraiment la renommer ?</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>Tous les satellites</translation>
    </message>
    <message>
        <source>All Transponders</source>
        <translation>Tous les transpondeurs</translation>
    </message>
    <message>
        <source>Cannot find &apos;%s&apos;</source>
        <translation>Impossible de trouver &apos;%s&apos;</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Open an existing document.
Open</source>
        <translation>Ouvrir un document existant.
Ouvrir</translation>
    </message>
    <message>
        <source>Save the active document.
Save</source>
        <translation>Enregistrer le document actif.
Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document with a new name.
Save As</source>
        <translation>Enregistrer le document actif sous un nouveau nom.
Enregistrer sous</translation>
    </message>
    <message>
        <source>Find the specified text.
Find</source>
        <translation>Rechercher le texte indiqué.
Rechercher</translation>
    </message>
    <message>
        <source>Read again the file.
Read again the file</source>
        <translation>Relire le fichier.
Relire le fichier</translation>
    </message>
    <message>
        <source>Select the entire document.
Select All</source>
        <translation>Sélectionner tout le document.
Tout sélectionner</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright.
About</source>
        <translation>Afficher les informations sur le programme, sa version et son copyright.
A propos</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents.
Exit</source>
        <translation>Quitter l&apos;application ; propose d&apos;enregistrer les documents.
Quitter</translation>
    </message>
    <message>
        <source> Sel (0000,0000) </source>
        <translation> Sél (0000,0000) </translation>
    </message>
    <message>
        <source> Tot: 0000/0000 </source>
        <translation> Tot : 0000/0000 </translation>
    </message>
    <message>
        <source>  0000/00/00 - 00:00  </source>
        <translation>  0000/00/00 - 00:00  </translation>
    </message>
    <message>
        <source>Show or hide the toolbar.
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d&apos;outils.
Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the status bar.
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état.
Barre d&apos;état</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Echec de l&apos;ouverture du document.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 cannot be accessed.</source>
        <translation>%1 est inaccessible.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Echec de l&apos;enregistrement du document.</translation>
    </message>
    <message>
        <source>An error occurred while writing %1.</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;écriture de %1.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez entrer un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez entrer un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez entrer au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez entrer un nombre entier positif.</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>RADIO</source>
        <translation>RADIO</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>DATA</translation>
    </message>
    <message>
        <source>Type
Order
Satellites
TP
Channel
</source>
        <translation>Type
Ordre
Satellites
TP
Chaîne
</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Universel</source>
        <translation>Universel</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Mini A</source>
        <translation>Mini A</translation>
    </message>
    <message>
        <source>Mini B</source>
        <translation>Mini B</translation>
    </message>
    <message>
        <source>Port 1</source>
        <translation>Port 1</translation>
    </message>
    <message>
        <source>Port 2</source>
        <translation>Port 2</translation>
    </message>
    <message>
        <source>Port 3</source>
        <translation>Port 3</translation>
    </message>
    <message>
        <source>Port 4</source>
        <translation>Port 4</translation>
    </message>
    <message>
        <source>DiSEqC 1.2</source>
        <translation>DiSEqC 1.2</translation>
    </message>
    <message>
        <source>USALS</source>
        <translation>USALS</translation>
    </message>
    <message>
        <source>Est</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Ouest</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>1/2</source>
        <translation>1/2</translation>
    </message>
    <message>
        <source>2/3</source>
        <translation>2/3</translation>
    </message>
    <message>
        <source>3/4</source>
        <translation>3/4</translation>
    </message>
    <message>
        <source>4/6</source>
        <translation>4/6</translation>
    </message>
    <message>
        <source>7/8</source>
        <translation>7/8</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>CVBS</source>
        <translation>CVBS</translation>
    </message>
    <message>
        <source>  3:4</source>
        <translation>  3:4</translation>
    </message>
    <message>
        <source>16:9</source>
        <translation>16:9</translation>
    </message>
    <message>
        <source>Letter Box</source>
        <translation>Letter Box</translation>
    </message>
    <message>
        <source>Combined</source>
        <translation>Combiné</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Pan-Scan</source>
        <translation>Pan-Scan</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persan</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinois</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tchèque</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnois</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Hongrois</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Rumanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Slovak</source>
        <translation>Slovaque</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésien</translation>
    </message>
    <message>
        <source>DVB</source>
        <translation>DVB</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>1s</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>3s</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>5s</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>10s</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>Spring</source>
        <translation>Printemps</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Eté</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Automne</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>   0%</source>
        <translation>   0 %</translation>
    </message>
    <message>
        <source> 20%</source>
        <translation> 20 %</translation>
    </message>
    <message>
        <source> 40%</source>
        <translation> 40 %</translation>
    </message>
    <message>
        <source> 60%</source>
        <translation> 60 %</translation>
    </message>
    <message>
        <source> 80%</source>
        <translation> 80 %</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>PAL-BG</source>
        <translation>PAL-BG</translation>
    </message>
    <message>
        <source>PAL-I</source>
        <translation>PAL-I</translation>
    </message>
    <message>
        <source>PAL-DK</source>
        <translation>PAL-DK</translation>
    </message>
    <message>
        <source>   Edit channal n°: %02d</source>
        <translation>   Modifier la chaîne n° : %02d</translation>
    </message>
    <message>
        <source>   Add New channal n°: %02d</source>
        <translation>   Ajouter une chaîne n° : %02d</translation>
    </message>
    <message>
        <source>   Edit group n° : %02d</source>
        <translation>   Modifier le groupe n° : %02d</translation>
    </message>
    <message>
        <source>   Add new group n° : %02d </source>
        <translation>   Ajouter un groupe n° : %02d </translation>
    </message>
    <message>
        <source>   Edit satellite n° : %02d</source>
        <translation>   Modifier le satellite n° : %02d</translation>
    </message>
    <message>
        <source>   Add New satellite n° : %02d</source>
        <translation>   Ajouter un satellite n° : %02d</translation>
    </message>
    <message>
        <source>   Edit TP n° : %02d</source>
        <translation>   Modifier le transpondeur n° : %02d</translation>
    </message>
    <message>
        <source>   Add New TP n° : %02d</source>
        <translation>   Ajouter un transpondeur n° : %02d</translation>
    </message>
    <message>
        <source>DATA version must be: 00008209 !!!</source>
        <translation>La version des données doit être : 00008209 !!!</translation>
    </message>
</context>
<context>
    <name>kavro::gui::AboutDialog</name>
    <message>
        <source>About Kavro Channel Editor</source>
        <translation>A propos de l&apos;éditeur de chaînes Kavro</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kavro Channel Editor %1&lt;/h3&gt;&lt;p&gt;Edits the service database of your satellite receiver: satellites, transponders, channels, favourites groups and the receiver&apos;s settings, read from a .ird file or straight from the receiver over a serial cable.&lt;/p&gt;&lt;p&gt;Realized by the Kavro developers.&lt;br&gt;&lt;a href=&quot;mailto:editor@kavro.example&quot;&gt;editor@kavro.example&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Editeur de chaînes Kavro %1&lt;/h3&gt;&lt;p&gt;Modifie la base de données des services de votre récepteur satellite : satellites, transpondeurs, chaînes, groupes de favoris et paramètres du récepteur, lus depuis un fichier .ird ou directement depuis le récepteur par un câble série.&lt;/p&gt;&lt;p&gt;Réalisé par les développeurs de Kavro.&lt;br&gt;&lt;a href=&quot;mailto:editor@kavro.example&quot;&gt;editor@kavro.example&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>kavro::gui::ArabicListDialog</name>
    <message>
        <source>   Edit the list of Arabic channals</source>
        <translation>   Modifier la liste des noms arabes des chaînes</translation>
    </message>
    <message>
        <source>Latin Name :</source>
        <translation>Nom latin :</translation>
    </message>
    <message>
        <source>Arabic Name :</source>
        <translation>Nom arabe :</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Del</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>kavro::gui::ChannelDialog</name>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satellite :</translation>
    </message>
    <message>
        <source>TP :</source>
        <translation>TP :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>V-PID :</source>
        <translation>V-PID :</translation>
    </message>
    <message>
        <source>A-PID :</source>
        <translation>A-PID :</translation>
    </message>
    <message>
        <source>PCR :</source>
        <translation>PCR :</translation>
    </message>
    <message>
        <source>SID :</source>
        <translation>SID :</translation>
    </message>
    <message>
        <source>PMT :</source>
        <translation>PMT :</translation>
    </message>
    <message>
        <source>TTEXT :</source>
        <translation>Télétexte :</translation>
    </message>
    <message>
        <source>AC3-PID :</source>
        <translation>AC3-PID :</translation>
    </message>
    <message>
        <source>X-PID :</source>
        <translation>X-PID :</translation>
    </message>
    <message>
        <source>Crypted</source>
        <translation>Cryptée</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillée</translation>
    </message>
    <message>
        <source>Type :</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Audio Lang :</source>
        <translation>Langue audio :</translation>
    </message>
    <message>
        <source>Limit :</source>
        <translation>Limite d&apos;âge :</translation>
    </message>
    <message>
        <source> ECM-PID </source>
        <translation> ECM-PID </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kavro::gui::ChannelList</name>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Groupe</translation>
    </message>
    <message>
        <source>Select &amp;Crypted channals</source>
        <translation>Sélectionner les chaînes &amp;cryptées</translation>
    </message>
    <message>
        <source>Select Clear channals &amp;FTA</source>
        <translation>Sélectionner les chaînes en clair (&amp;FTA)</translation>
    </message>
    <message>
        <source>Select the crypted channels of the list.</source>
        <translation>Sélectionner les chaînes cryptées de la liste.</translation>
    </message>
    <message>
        <source>Select the free-to-air channels of the list.</source>
        <translation>Sélectionner les chaînes en clair de la liste.</translation>
    </message>
</context>
<context>
    <name>kavro::gui::CommandActions</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Read again file</source>
        <translation>&amp;Relire le fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last change.</source>
        <translation>Annuler la dernière modification.</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo the change that was undone.</source>
        <translation>Rétablir la modification annulée.</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>A&amp;jouter...</translation>
    </message>
    <message>
        <source>&amp;Del</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Re&amp;chercher...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher la suiva&amp;nte</translation>
    </message>
    <message>
        <source>&amp;ToolBar</source>
        <translation>Barre d&apos;&amp;outils</translation>
    </message>
    <message>
        <source>&amp;StatusBar</source>
        <translation>Barre d&apos;&amp;état</translation>
    </message>
    <message>
        <source>Choise English language (default).
English</source>
        <translation>Choisir la langue anglaise (par défaut).
English</translation>
    </message>
    <message>
        <source>Choise Arabic language.
Arabic</source>
        <translation>Choisir la langue arabe.
عربية</translation>
    </message>
    <message>
        <source>Choise French language.
French</source>
        <translation>Choisir la langue française.
Français</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Auto Arabisation</source>
        <translation>Arabisation automatique</translation>
    </message>
    <message>
        <source>Remove Data</source>
        <translation>Supprimer les données</translation>
    </message>
    <message>
        <source>Remove C Band</source>
        <translation>Supprimer la bande C</translation>
    </message>
    <message>
        <source>Upload...</source>
        <translation>Recevoir du récepteur...</translation>
    </message>
    <message>
        <source>Download...</source>
        <translation>Envoyer au récepteur...</translation>
    </message>
    <message>
        <source>Arabic channals...</source>
        <translation>Chaînes arabes...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>&amp;Parameters...</source>
        <translation>&amp;Paramètres...</translation>
    </message>
    <message>
        <source>&amp;About Kavro Channel Editor...</source>
        <translation>&amp;A propos de l&apos;éditeur de chaînes Kavro...</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
</context>
<context>
    <name>kavro::gui::FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Satellite :</source>
        <translation>&amp;Satellite :</translation>
    </message>
    <message>
        <source>&amp;Transponder :</source>
        <translation>&amp;Transpondeur :</translation>
    </message>
    <message>
        <source>C&amp;hannal :</source>
        <translation>C&amp;haîne :</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
</context>
<context>
    <name>kavro::gui::GroupDialog</name>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satellite :</translation>
    </message>
    <message>
        <source>Group :</source>
        <translation>Groupe :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kavro::gui::LanguageSwitcher</name>
    <message>
        <source>The language file %1 is missing or cannot be read.
The interface stays in English.</source>
        <translation>Le fichier de langue %1 est absent ou illisible.
L&apos;interface reste en anglais.</translation>
    </message>
</context>
<context>
    <name>kavro::gui::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) renamed</source>
        <translation>
            <numerusform>%n chaîne renommée</numerusform>
            <numerusform>%n chaînes renommées</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it with the data received from the receiver?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer par les données reçues du récepteur ?</translation>
    </message>
    <message>
        <source>Open this document.</source>
        <translation>Ouvrir ce document.</translation>
    </message>
</context>
<context>
    <name>kavro::gui::ParametersDialog</name>
    <message>
        <source>Video Output :</source>
        <translation>Sortie vidéo :</translation>
    </message>
    <message>
        <source>Screen Mode :</source>
        <translation>Format d&apos;écran :</translation>
    </message>
    <message>
        <source>Conversion :</source>
        <translation>Conversion :</translation>
    </message>
    <message>
        <source>TV type :</source>
        <translation>Type de TV :</translation>
    </message>
    <message>
        <source>Sound Dolby</source>
        <translation>Son Dolby</translation>
    </message>
    <message>
        <source> Output Setting </source>
        <translation> Réglages de sortie </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Curent Time :</source>
        <translation>Heure actuelle :</translation>
    </message>
    <message>
        <source>Curent Date :</source>
        <translation>Date actuelle :</translation>
    </message>
    <message>
        <source>Wakeup Time :</source>
        <translation>Heure de réveil :</translation>
    </message>
    <message>
        <source>Sleep Time :</source>
        <translation>Heure de mise en veille :</translation>
    </message>
    <message>
        <source> Time Setting </source>
        <translation> Réglages de l&apos;heure </translation>
    </message>
    <message>
        <source>Menu Lang :</source>
        <translation>Langue du menu :</translation>
    </message>
    <message>
        <source>Audio Lang :</source>
        <translation>Langue audio :</translation>
    </message>
    <message>
        <source>Subtitle :</source>
        <translation>Sous-titres :</translation>
    </message>
    <message>
        <source>Subtitle Lang :</source>
        <translation>Langue des sous-titres :</translation>
    </message>
    <message>
        <source> Language Setting </source>
        <translation> Réglages de langue </translation>
    </message>
    <message>
        <source>Show info :</source>
        <translation>Affichage des infos :</translation>
    </message>
    <message>
        <source>Background :</source>
        <translation>Fond d&apos;écran :</translation>
    </message>
    <message>
        <source>Transparency :</source>
        <translation>Transparence :</translation>
    </message>
    <message>
        <source>Sound Effets :</source>
        <translation>Effets sonores :</translation>
    </message>
    <message>
        <source>OSD Setting </source>
        <translation>Réglages de l&apos;affichage </translation>
    </message>
    <message>
        <source>Group :</source>
        <translation>Groupe :</translation>
    </message>
    <message>
        <source>Channal :</source>
        <translation>Chaîne :</translation>
    </message>
    <message>
        <source>Volume :</source>
        <translation>Volume :</translation>
    </message>
    <message>
        <source> Startup Infos </source>
        <translation> Au démarrage </translation>
    </message>
    <message>
        <source>Age Lock :</source>
        <translation>Contrôle d&apos;âge :</translation>
    </message>
    <message>
        <source>Menu Lock :</source>
        <translation>Verrouillage du menu :</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source> Lock Control </source>
        <translation> Contrôle parental </translation>
    </message>
    <message>
        <source>UHF Channal :</source>
        <translation>Canal UHF :</translation>
    </message>
    <message>
        <source>Standard PAL :</source>
        <translation>Norme PAL :</translation>
    </message>
    <message>
        <source> UHF Control </source>
        <translation> Réglages UHF </translation>
    </message>
    <message>
        <source> Number </source>
        <translation> Totaux </translation>
    </message>
    <message>
        <source>   Parameters &lt;&lt;%1&gt;&gt;</source>
        <translation>   Paramètres &lt;&lt;%1&gt;&gt;</translation>
    </message>
    <message>
        <source>Sat : %1</source>
        <translation>Satellites : %1</translation>
    </message>
    <message>
        <source>TP : %1</source>
        <translation>TP : %1</translation>
    </message>
    <message>
        <source>Channals : %1</source>
        <translation>Chaînes : %1</translation>
    </message>
    <message>
        <source>Groups : %1</source>
        <translation>Groupes : %1</translation>
    </message>
</context>
<context>
    <name>kavro::gui::SatelliteDialog</name>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>LNB : </source>
        <translation>LNB : </translation>
    </message>
    <message>
        <source>MHZ</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>DiSEqC :</source>
        <translation>DiSEqC :</translation>
    </message>
    <message>
        <source>Position :</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source>22KHZ</source>
        <translation>22 kHz</translation>
    </message>
    <message>
        <source>12V</source>
        <translation>12 V</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>Chosen</source>
        <translation>Choisi</translation>
    </message>
    <message>
        <source>Grouped</source>
        <translation>Groupé</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kavro::gui::StatusPanes</name>
    <message>
        <source> Sel (%1,%2) </source>
        <translation> Sél (%1,%2) </translation>
    </message>
    <message>
        <source> Sel (-,-) </source>
        <translation> Sél (-,-) </translation>
    </message>
    <message>
        <source> Tot: %1/%2 </source>
        <translation> Tot : %1/%2 </translation>
    </message>
</context>
<context>
    <name>kavro::gui::TransferController</name>
    <message>
        <source>Uploading data in progress...</source>
        <translation>Réception des données en cours...</translation>
    </message>
    <message>
        <source>Downloading data in progress...</source>
        <translation>Envoi des données en cours...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
</context>
<context>
    <name>kavro::gui::TransferDialog</name>
    <message>
        <source>   Upload the data from the receiver</source>
        <translation>   Recevoir les données du récepteur</translation>
    </message>
    <message>
        <source>   Download the data to the receiver</source>
        <translation>   Envoyer les données au récepteur</translation>
    </message>
    <message>
        <source>1 - Select serial port.
2 - Turn receiver off (STANDBY) &apos;----&apos;.
3 - Press remote control keys &apos;58302&apos;.
4 - Click &apos;Upload&apos;.</source>
        <translation>1 - Choisissez le port série.
2 - Mettez le récepteur en veille (STANDBY) &apos;----&apos;.
3 - Tapez &apos;58302&apos; sur la télécommande.
4 - Cliquez sur &apos;Recevoir&apos;.</translation>
    </message>
    <message>
        <source>1 - Select serial port.
2 - Turn receiver off (STANDBY) &apos;----&apos;.
3 - Press remote control keys &apos;69175&apos;.
4 - Click &apos;Download&apos;. </source>
        <translation>1 - Choisissez le port série.
2 - Mettez le récepteur en veille (STANDBY) &apos;----&apos;.
3 - Tapez &apos;69175&apos; sur la télécommande.
4 - Cliquez sur &apos;Envoyer&apos;. </translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Recevoir</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>kavro::gui::TransponderDialog</name>
    <message>
        <source>Satellite :</source>
        <translation>Satellite :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>MHZ</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Pol :</source>
        <translation>Pol :</translation>
    </message>
    <message>
        <source>SR :</source>
        <translation>SR :</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC :</translation>
    </message>
    <message>
        <source>TID :</source>
        <translation>TID :</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits a satellite receiver&apos;s channel database.</source>
        <translation>Modifie la base de données des chaînes d&apos;un récepteur satellite.</translation>
    </message>
    <message>
        <source>A .ird file to open.</source>
        <translation>Un fichier .ird à ouvrir.</translation>
    </message>
</context>
</TS>
