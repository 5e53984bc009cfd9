<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>LessonPage</name>
    <message>
        <source>Problems Page</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>MediaBar</name>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Image précédente</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Image suivante</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
</context>
<context>
    <name>ProblemPage</name>
    <message>
        <source>a circle of radius r cut into thin sectors laid side by side</source>
        <translation>un disque de rayon r découpé en fins secteurs posés côte à côte</translation>
    </message>
    <message>
        <source>a point going round a circle above an isosceles triangle formed by two radii</source>
        <translation>un point qui parcourt un cercle au-dessus d’un triangle isocèle formé par deux rayons</translation>
    </message>
    <message>
        <source>a regular hexagon inscribed in a circle, one sector marked</source>
        <translation>un hexagone régulier inscrit dans un cercle, avec un secteur marqué</translation>
    </message>
    <message>
        <source>a rectangle rolled into an open-ended cylinder</source>
        <translation>un rectangle enroulé en cylindre ouvert</translation>
    </message>
    <message>
        <source>a tube bent round and joined into a torus</source>
        <translation>un tube courbé et refermé en tore</translation>
    </message>
    <message>
        <source>a strip given a half twist and joined into a mobius strip</source>
        <translation>une bande tordue d’un demi-tour et refermée en ruban de Möbius</translation>
    </message>
    <message>
        <source>a disc with a sector removed closing into a cone</source>
        <translation>un disque privé d’un secteur qui se referme en cône</translation>
    </message>
    <message>
        <source>Animation of %1</source>
        <translation>Animation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Animation of the shape in the question</source>
        <translation>Animation de la figure de l’exercice</translation>
    </message>
    <message>
        <source>Check my answer</source>
        <translation>Vérifier ma réponse</translation>
    </message>
    <message>
        <source>Next problem</source>
        <translation>Exercice suivant</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Afficher la réponse</translation>
    </message>
    <message>
        <source>Open the Jotter</source>
        <translation>Ouvrir le brouillon</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>Your answer should be correct to two decimal places. Approximate pi as 3.14159.</source>
        <translation>Donne ta réponse arrondie au centième. Prends 3,14159 comme valeur approchée de π.</translation>
    </message>
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <source>Title animation</source>
        <translation>Animation d’accueil</translation>
    </message>
    <message>
        <source>A cone is folded from a disc and turns slowly.</source>
        <translation>Un cône est plié à partir d’un disque et tourne lentement.</translation>
    </message>
    <message>
        <source>Vornash 3</source>
        <translation>Vornash 3</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Démo</translation>
    </message>
    <message>
        <source>Geometry for secondary schools</source>
        <translation>La géométrie au collège et au lycée</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Copyright © Vornash Learning. All rights reserved.</source>
        <translation>Copyright © Vornash Learning. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>circles</name>
    <message>
        <source>Circles</source>
        <translation>Cercles</translation>
    </message>
</context>
<context>
    <name>circles0</name>
    <message>
        <source>The area of a circle of radius r is     r².</source>
        <translation>L’aire d’un disque de rayon r est     r².</translation>
    </message>
    <message>
        <source>A circle of radius r whose area is shown filling up.</source>
        <translation>Un disque de rayon r dont l’aire se remplit peu à peu.</translation>
    </message>
    <message>
        <source>The area of a sector of angle A radians of a circle of radius r is </source>
        <translation>L’aire d’un secteur circulaire d’angle A radians dans un disque de rayon r est </translation>
    </message>
    <message>
        <source>A sector of angle A cut from a circle of radius r.</source>
        <translation>Un secteur circulaire d’angle A découpé dans un disque de rayon r.</translation>
    </message>
    <message>
        <source>The area of the isosceles triangle formed by connecting the ends of a chord subtending an angle of A radians to the centre of a circle of radius r is</source>
        <translation>L’aire du triangle isocèle obtenu en reliant au centre d’un cercle de rayon r les extrémités d’une corde qui intercepte un angle au centre de A radians est</translation>
    </message>
    <message>
        <source>The isosceles triangle formed by a chord and the two radii to its ends.</source>
        <translation>Le triangle isocèle formé par une corde et les deux rayons menant à ses extrémités.</translation>
    </message>
    <message>
        <source>The area of a segment made by a chord subtending an angle of A radians is equal to the area of the corresponding sector minus the area of an isosceles triangle, which is</source>
        <translation>L’aire d’un segment circulaire délimité par une corde qui intercepte un angle au centre de A radians est égale à l’aire du secteur correspondant moins l’aire d’un triangle isocèle, soit</translation>
    </message>
    <message>
        <source>A segment: the sector with the triangle under its chord taken away.</source>
        <translation>Un segment circulaire&#xa0;: le secteur dont on a retiré le triangle situé sous sa corde.</translation>
    </message>
    <message>
        <source>radius r is</source>
        <translation>rayon r est</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Cercles</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Secteur</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>½r²A</source>
        <translation>½r²A</translation>
    </message>
    <message>
        <source>½r²sin(A).</source>
        <translation>½r²sin(A).</translation>
    </message>
    <message>
        <source>½r²A  -  ½r²sin(A).</source>
        <translation>½r²A  -  ½r²sin(A).</translation>
    </message>
</context>
<context>
    <name>folding</name>
    <message>
        <source>Paper Folding</source>
        <translation>Pliage de papier</translation>
    </message>
</context>
<context>
    <name>folding0</name>
    <message>
        <source>An open-ended cylinder can be constructed from a rectangle. If the rectangle is folded around until two opposite edges meet the result will be an open-ended cylinder. The area of the open-ended cylinder is the same as the area of the rectangle.</source>
        <translation>On peut construire un cylindre ouvert à partir d’un rectangle. Si l’on enroule le rectangle jusqu’à ce que deux côtés opposés se rejoignent, on obtient un cylindre ouvert. L’aire du cylindre ouvert est égale à l’aire du rectangle.</translation>
    </message>
    <message>
        <source>A rectangle folded round until two opposite edges meet, making a cylinder.</source>
        <translation>Un rectangle enroulé jusqu’à ce que deux côtés opposés se rejoignent, ce qui forme un cylindre.</translation>
    </message>
    <message>
        <source>By folding a rectangle around until two opposite edges meet we can make an open-ended cylinder. If the cylinder is then folded until its two open ends meet the resulting shape is known as a torus.</source>
        <translation>En enroulant un rectangle jusqu’à ce que deux côtés opposés se rejoignent, on obtient un cylindre ouvert. Si l’on courbe ensuite ce cylindre jusqu’à ce que ses deux extrémités ouvertes se rejoignent, la forme obtenue s’appelle un tore.</translation>
    </message>
    <message>
        <source>A cylinder bent round until its two open ends meet, making a torus.</source>
        <translation>Un cylindre courbé jusqu’à ce que ses deux extrémités ouvertes se rejoignent, ce qui forme un tore.</translation>
    </message>
    <message>
        <source>A möbius strip can be constructed from a rectangle. If the rectangle is given a 180° twist before being folded around until two opposite edges meet, a möbius strip is produced. By twisting the rectangle, before joining its edges, both sides of the rectangle become joined, so the möbius strip has just one face with twice the area of the rectangle. It also has just one edge which is twice the length of the corresponding edge of the rectangle.</source>
        <translation>On peut construire un ruban de Möbius à partir d’un rectangle. Si l’on fait subir au rectangle une torsion de 180° avant de l’enrouler jusqu’à ce que deux côtés opposés se rejoignent, on obtient un ruban de Möbius. En tordant le rectangle avant d’en joindre les côtés, on relie ses deux faces&#xa0;: le ruban de Möbius n’a donc qu’une seule face, dont l’aire est le double de celle du rectangle. Il n’a aussi qu’un seul bord, deux fois plus long que le côté correspondant du rectangle.</translation>
    </message>
    <message>
        <source>A rectangle given a half twist and joined at its ends, making a Möbius strip.</source>
        <translation>Un rectangle tordu d’un demi-tour puis joint par ses extrémités, ce qui forme un ruban de Möbius.</translation>
    </message>
    <message>
        <source>If we take a circle and remove a sector from it, then pull the two edges of the missing sector together, we can construct an open-ended cone. The area of the open-ended cone is the same as that of the circle minus the sector that has been removed.</source>
        <translation>Si l’on découpe un secteur dans un disque, puis que l’on rapproche les deux bords du secteur manquant, on obtient un cône ouvert. L’aire du cône ouvert est égale à celle du disque moins celle du secteur retiré.</translation>
    </message>
    <message>
        <source>A circle with a sector removed, its cut edges pulled together into a cone.</source>
        <translation>Un disque privé d’un secteur, dont les bords coupés se rejoignent pour former un cône.</translation>
    </message>
    <message>
        <source>Paper Folding</source>
        <translation>Pliage de papier</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cylindre</translation>
    </message>
    <message>
        <source>Torus</source>
        <translation>Tore</translation>
    </message>
    <message>
        <source>Möbius Strip</source>
        <translation>Ruban de Möbius</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Cône</translation>
    </message>
</context>
<context>
    <name>intro0</name>
    <message>
        <source>Vornash Learning</source>
        <translation>Vornash Learning</translation>
    </message>
    <message>
        <source>Vornash 3 Demo</source>
        <translation>Vornash 3 Démo</translation>
    </message>
    <message>
        <source>version 4.0.003</source>
        <translation>version 4.0.003</translation>
    </message>
    <message>
        <source>Vornash logo</source>
        <translation>Logo de Vornash</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Cercles</translation>
    </message>
    <message>
        <source>Disc Packing</source>
        <translation>Empilement de disques</translation>
    </message>
    <message>
        <source>Open the publisher&apos;s web site in your browser</source>
        <translation>Ouvrir le site de l’éditeur dans le navigateur</translation>
    </message>
    <message>
        <source>© Vornash Learning</source>
        <translation>© Vornash Learning</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>Surface Area</source>
        <translation>Aire des surfaces</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Paper Folding</source>
        <translation>Pliage de papier</translation>
    </message>
    <message>
        <source>Sphere Packing</source>
        <translation>Empilement de sphères</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>Théorème de Pythagore</translation>
    </message>
    <message>
        <source>The Ellipse</source>
        <translation>L’ellipse</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Séquence animée</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>jotter</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Dark cyan</source>
        <translation>Cyan foncé</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Dark magenta</source>
        <translation>Magenta foncé</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>jotter::notepad</name>
    <message>
        <source>Jotter</source>
        <translation>Brouillon</translation>
    </message>
    <message>
        <source>Close the Jotter and throw away what is on it</source>
        <translation>Fermer le brouillon et effacer son contenu</translation>
    </message>
    <message>
        <source>Write again in the colour used before erasing</source>
        <translation>Écrire de nouveau dans la couleur utilisée avant la gomme</translation>
    </message>
    <message>
        <source>Rub out with a wide pen</source>
        <translation>Gommer avec un crayon large</translation>
    </message>
    <message>
        <source>Wipe the whole Jotter clean</source>
        <translation>Effacer tout le brouillon</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Gommer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Turn the Jotter tall (wipes it clean)</source>
        <translation>Mettre le brouillon à la verticale (l’efface)</translation>
    </message>
    <message>
        <source>Turn the Jotter wide (wipes it clean)</source>
        <translation>Mettre le brouillon à l’horizontale (l’efface)</translation>
    </message>
</context>
<context>
    <name>problems</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>Juste, bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Faux, essaie encore</translation>
    </message>
    <message>
        <source>What is the circumference of a circle of radius%1?</source>
        <translation>Quel est le périmètre d’un cercle de rayon%1&#xa0;?</translation>
    </message>
    <message>
        <source>What is the area of a circle of radius%1?</source>
        <translation>Quelle est l’aire d’un disque de rayon%1&#xa0;?</translation>
    </message>
    <message>
        <source>If a sector of a circle of radius%1 forms a%2th of a full circle, what is its area?</source>
        <translation>Un secteur circulaire d’un disque de rayon%1 représente la%2e partie du disque entier. Quelle est son aire&#xa0;?</translation>
    </message>
    <message>
        <source>If a sector of a circle of radius%1 forms an angle of %2 degrees at the centre of the circle, what is its area?</source>
        <translation>Un secteur circulaire d’un disque de rayon%1 a un angle au centre de%2°. Quelle est son aire&#xa0;?</translation>
    </message>
    <message>
        <source>What is the area of a regular hexagon inscribed within a circle of radius%1?</source>
        <translation>Quelle est l’aire d’un hexagone régulier inscrit dans un cercle de rayon%1&#xa0;?</translation>
    </message>
    <message>
        <source>If a regular hexagon is inscribed in a circle of radius%1. What is the area of each of the six segments outside the hexagon?</source>
        <translation>Un hexagone régulier est inscrit dans un cercle de rayon%1. Quelle est l’aire de chacun des six segments circulaires situés hors de l’hexagone&#xa0;?</translation>
    </message>
    <message>
        <source>If an open-ended cylinder is constructed by joining the longer sides of a rectangle whose sides have length%1 and%2. What is the radius of the cylinder?</source>
        <translation>On construit un cylindre ouvert en joignant les grands côtés d’un rectangle de côtés%1 et%2. Quel est le rayon du cylindre&#xa0;?</translation>
    </message>
    <message>
        <source>If an open-ended cylinder is constructed from a rectangle with sides of length%1 and%2. What is the area of the open-ended cylinder?</source>
        <translation>On construit un cylindre ouvert à partir d’un rectangle de côtés%1 et%2. Quelle est l’aire du cylindre ouvert&#xa0;?</translation>
    </message>
    <message>
        <source>If a torus is constructed from a rectangle with sides of length%1 and%2. What is the area of the torus?</source>
        <translation>On construit un tore à partir d’un rectangle de côtés%1 et%2. Quelle est l’aire du tore&#xa0;?</translation>
    </message>
    <message>
        <source>If a mobius strip is constructed by joining the shorter sides of a rectangle whose sides have length%1 and%2. What is the length of the edge of the mobius strip?</source>
        <translation>On construit un ruban de Möbius en joignant les petits côtés d’un rectangle de côtés%1 et%2. Quelle est la longueur du bord du ruban de Möbius&#xa0;?</translation>
    </message>
    <message>
        <source>If a mobius strip is constructed from a rectangle with sides of length%1 and%2. What is the area of the mobius strip?</source>
        <translation>On construit un ruban de Möbius à partir d’un rectangle de côtés%1 et%2. Quelle est l’aire du ruban de Möbius&#xa0;?</translation>
    </message>
    <message>
        <source>If an open-ended cone is constructed from a disc of radius%1 with a sector of angle%2° removed. What is the area of the open-ended cone?</source>
        <translation>On construit un cône ouvert à partir d’un disque de rayon%1 dont on a retiré un secteur d’angle%2°. Quelle est l’aire du cône ouvert&#xa0;?</translation>
    </message>
</context>
</TS>
