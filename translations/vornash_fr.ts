<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Animation</name>
    <message>
        <source>A cone is folded from a disc and turns slowly.</source>
        <translation>Un cône est plié à partir d’un disque et tourne lentement.</translation>
    </message>
    <message>
        <source>A circle of radius r cut into thin sectors, which laid side by side make nearly a rectangle πr long and r high.</source>
        <translation>Un disque de rayon r découpé en fins secteurs qui, posés côte à côte, forment presque un rectangle de longueur πr et de hauteur r.</translation>
    </message>
    <message>
        <source>A sector of angle A opening in a circle of radius r, over the regular hexagon inscribed in the circle.</source>
        <translation>Un secteur d’angle A qui s’ouvre dans un disque de rayon r, au-dessus de l’hexagone régulier inscrit dans le cercle.</translation>
    </message>
    <message>
        <source>The isosceles triangle formed by a chord and the two radii to its ends.</source>
        <translation>Le triangle isocèle formé par une corde et les deux rayons menant à ses extrémités.</translation>
    </message>
    <message>
        <source>A segment: the sector with the triangle under its chord taken away.</source>
        <translation>Un segment circulaire&#xa0;: le secteur dont on a retiré le triangle situé sous sa corde.</translation>
    </message>
    <message>
        <source>A rectangle folded round until two opposite edges meet, making a cylinder.</source>
        <translation>Un rectangle enroulé jusqu’à ce que deux côtés opposés se rejoignent, ce qui forme un cylindre.</translation>
    </message>
    <message>
        <source>A cylinder bent round until its two open ends meet, making a torus.</source>
        <translation>Un cylindre courbé jusqu’à ce que ses deux extrémités ouvertes se rejoignent, ce qui forme un tore.</translation>
    </message>
    <message>
        <source>A rectangle given a half twist and joined at its ends, making a Möbius strip.</source>
        <translation>Un rectangle tordu d’un demi-tour puis joint par ses extrémités, ce qui forme un ruban de Möbius.</translation>
    </message>
    <message>
        <source>A circle with a sector removed, its cut edges pulled together into a cone.</source>
        <translation>Un disque privé d’un secteur, dont les bords coupés se rejoignent pour former un cône.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show these options and exit.</source>
        <translation>Affiche ces options et quitte.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Affiche la version du programme et quitte.</translation>
    </message>
    <message>
        <source>cannot open the display %1: no display server answers there, or this user may not use it.</source>
        <translation>impossible d&apos;ouvrir l&apos;écran %1 : aucun serveur d&apos;affichage n&apos;y répond, ou cet utilisateur n&apos;a pas le droit de l&apos;utiliser.</translation>
    </message>
    <message>
        <source>Check the %1 variable, or run it under a virtual display: %2</source>
        <translation>Vérifiez la variable %1, ou lancez le programme sur un écran virtuel : %2</translation>
    </message>
    <message>
        <source>geometry lessons and problems on circles and paper folding.</source>
        <translation>leçons et exercices de géométrie sur les cercles et le pliage de papier.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Try &apos;vornash --help&apos; for the options it takes.</source>
        <translation>« vornash --help » donne les options qu&apos;il accepte.</translation>
    </message>
    <message>
        <source>there is no display to show the program on.</source>
        <translation>il n&apos;y a aucun écran où afficher le programme.</translation>
    </message>
    <message>
        <source>Run it on a desktop, or under a virtual display: %1</source>
        <translation>Lancez-le sur un bureau, ou sur un écran virtuel : %1</translation>
    </message>
    <message>
        <source>Record nothing of the pupil&apos;s answers in this run.</source>
        <translation>N’enregistre aucune réponse de l’élève pendant cette session.</translation>
    </message>
    <message>
        <source>Write the pupil&apos;s checks to FILE as CSV and exit.</source>
        <translation>Écrit les réponses vérifiées de l’élève dans FILE au format CSV et quitte.</translation>
    </message>
    <message>
        <source>Open a teacher&apos;s class page.</source>
        <translation>Ouvre la page de classe d’un enseignant.</translation>
    </message>
    <message>
        <source>Write a teacher&apos;s pupils&apos; checks to FILE as CSV and exit.</source>
        <translation>Écrit les réponses vérifiées des élèves d’un enseignant dans FILE au format CSV et quitte.</translation>
    </message>
    <message>
        <source>Use the libpq service SERVICE for the class record, for this run.</source>
        <translation>Utilise le service libpq SERVICE pour le suivi de la classe pendant cette session.</translation>
    </message>
    <message>
        <source>no class record is set up on this computer ([classroom] service).</source>
        <translation>aucun suivi de classe n’est configuré sur cet ordinateur ([classroom] service).</translation>
    </message>
    <message>
        <source>the school&apos;s server did not answer: %1</source>
        <translation>le serveur de l’établissement n’a pas répondu : %1</translation>
    </message>
    <message>
        <source>the class record is for teachers, and this account is not one.</source>
        <translation>le suivi de la classe est réservé aux enseignants, et ce compte n’en est pas un.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>DaysChart</name>
    <message>
        <source>Problems done in the last 14 days</source>
        <translation>Problèmes faits ces 14 derniers jours</translation>
    </message>
    <message>
        <source>problems</source>
        <translation>problèmes</translation>
    </message>
    <message>
        <source>first tries right</source>
        <translation>justes du premier coup</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problème</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problèmes</translation>
    </message>
    <message>
        <source>1 first try right</source>
        <translation>1 juste du premier coup</translation>
    </message>
    <message>
        <source>%1 first tries right</source>
        <translation>%1 justes du premier coup</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>a day of the chart: its date, the problems, the first tries right</comment>
        <translation>%1 : %2, %3</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>That is π × r; the circumference is π × the diameter, and the diameter is 2 × r.</source>
        <translation>Ça, c’est π × r&#xa0;; le périmètre est π × le diamètre, et le diamètre vaut 2 × r.</translation>
    </message>
    <message>
        <source>That is the area, π × r²; the circumference is the distance round the edge.</source>
        <translation>Ça, c’est l’aire, π × r²&#xa0;; le périmètre est la longueur du tour du cercle.</translation>
    </message>
    <message>
        <source>The radius is already %1: you doubled it before using 2 × π × r.</source>
        <translation>Le rayon vaut déjà %1&#xa0;: tu l’as doublé avant d’utiliser 2 × π × r.</translation>
    </message>
    <message>
        <source>That is the circumference, 2 × π × r; the area is π × r².</source>
        <translation>Ça, c’est le périmètre, 2 × π × r&#xa0;; l’aire est π × r².</translation>
    </message>
    <message>
        <source>Square the radius: the area is π × r × r.</source>
        <translation>Élève le rayon au carré&#xa0;: l’aire est π × r × r.</translation>
    </message>
    <message>
        <source>You used the diameter; the area uses the radius, %1.</source>
        <translation>Tu as utilisé le diamètre&#xa0;; l’aire se calcule avec le rayon, %1.</translation>
    </message>
    <message>
        <source>Only the radius is squared, not π: the area is π × r × r.</source>
        <translation>Seul le rayon est au carré, pas π&#xa0;: l’aire est π × r × r.</translation>
    </message>
    <message>
        <source>That is the arc&apos;s length; the question asks for the sector&apos;s area.</source>
        <translation>Ça, c’est la longueur de l’arc&#xa0;; la question demande l’aire du secteur.</translation>
    </message>
    <message>
        <source>You used the diameter; the formula uses the radius, %1.</source>
        <translation>Tu as utilisé le diamètre&#xa0;; la formule utilise le rayon, %1.</translation>
    </message>
    <message>
        <source>The angle is in degrees, so take %3/360 of the circle (½ × r² × θ needs the angle in radians).</source>
        <translation>L’angle est en degrés, donc prends les %3/360 du disque (½ × r² × θ demande l’angle en radians).</translation>
    </message>
    <message>
        <source>That is twice the sector: a full turn is 360°, and ½ × r² × θ needs its ½.</source>
        <translation>Ça, c’est le double du secteur&#xa0;: un tour complet fait 360°, et ½ × r² × θ a besoin de son ½.</translation>
    </message>
    <message>
        <source>That is the whole circle; the sector is only %3/360 of it.</source>
        <translation>Ça, c’est le disque entier&#xa0;; le secteur n’en est que les %3/360.</translation>
    </message>
    <message>
        <source>That is the rest of the circle; the sector is the part with the angle of %3°.</source>
        <translation>Ça, c’est le reste du disque&#xa0;; le secteur est la partie d’angle %3°.</translation>
    </message>
    <message>
        <source>That is one of the triangles; the hexagon is six of them.</source>
        <translation>Ça, c’est un seul des triangles&#xa0;; l’hexagone en compte six.</translation>
    </message>
    <message>
        <source>A triangle&apos;s area is ½ × base × height: the ½ is missing.</source>
        <translation>L’aire d’un triangle est ½ × base × hauteur&#xa0;: il manque le ½.</translation>
    </message>
    <message>
        <source>The triangle&apos;s height is √3/2 × r, not r.</source>
        <translation>La hauteur du triangle est √3/2 × r, pas r.</translation>
    </message>
    <message>
        <source>That is the whole circle; the hexagon inside it is smaller.</source>
        <translation>Ça, c’est le disque entier&#xa0;; l’hexagone à l’intérieur est plus petit.</translation>
    </message>
    <message>
        <source>Each triangle&apos;s side is the radius, %1, not the diameter.</source>
        <translation>Chaque côté des triangles mesure le rayon, %1, et non le diamètre.</translation>
    </message>
    <message>
        <source>That is all six segments together; the question asks for one.</source>
        <translation>Ça, ce sont les six segments ensemble&#xa0;; la question en demande un seul.</translation>
    </message>
    <message>
        <source>That is a whole sector; take its triangle away to leave the segment.</source>
        <translation>Ça, c’est un secteur entier&#xa0;; retire son triangle pour obtenir le segment.</translation>
    </message>
    <message>
        <source>An area can&apos;t be negative: the triangle&apos;s area needs its ½.</source>
        <translation>Une aire ne peut pas être négative&#xa0;: l’aire du triangle a besoin de son ½.</translation>
    </message>
    <message>
        <source>Joining the longer sides makes them the seam; the shorter side, %3, goes round.</source>
        <translation>En joignant les grands côtés, on en fait la couture&#xa0;; c’est le petit côté, %3, qui fait le tour.</translation>
    </message>
    <message>
        <source>That is the diameter; the radius is half of it.</source>
        <translation>Ça, c’est le diamètre&#xa0;; le rayon en est la moitié.</translation>
    </message>
    <message>
        <source>The side that goes round is the circumference, 2 × π × r.</source>
        <translation>Le côté qui fait le tour est le périmètre du cercle, 2 × π × r.</translation>
    </message>
    <message>
        <source>Count the paper once: rolling or bending it does not add area.</source>
        <translation>Compte le papier une seule fois&#xa0;: l’enrouler ou le courber n’ajoute pas d’aire.</translation>
    </message>
    <message>
        <source>That is the perimeter, a length; the question asks for an area.</source>
        <translation>Ça, c’est le périmètre, une longueur&#xa0;; la question demande une aire.</translation>
    </message>
    <message>
        <source>For an area, multiply the sides.</source>
        <translation>Pour une aire, multiplie les côtés.</translation>
    </message>
    <message>
        <source>The sides are not radii: the paper is not stretched, so its area stays the rectangle&apos;s.</source>
        <translation>Les côtés ne sont pas des rayons&#xa0;: le papier n’est pas étiré, donc son aire reste celle du rectangle.</translation>
    </message>
    <message>
        <source>Follow the edge round: it runs along both long sides before it meets itself.</source>
        <translation>Suis le bord&#xa0;: il longe les deux grands côtés avant de se rejoindre.</translation>
    </message>
    <message>
        <source>The shorter sides are the ones joined; the edge runs along the longer sides.</source>
        <translation>Ce sont les petits côtés qu’on joint&#xa0;; le bord longe les grands côtés.</translation>
    </message>
    <message>
        <source>The joined sides are no longer part of the edge.</source>
        <translation>Les côtés joints ne font plus partie du bord.</translation>
    </message>
    <message>
        <source>The strip has one side, and it covers both faces of the paper: count both.</source>
        <translation>Le ruban n’a qu’une face, qui couvre les deux faces du papier&#xa0;: compte les deux.</translation>
    </message>
    <message>
        <source>That is the sector that was cut away; the cone is made of what is left.</source>
        <translation>Ça, c’est le secteur découpé&#xa0;; le cône est fait de ce qui reste.</translation>
    </message>
    <message>
        <source>The removed sector is not part of the cone: take it away.</source>
        <translation>Le secteur retiré ne fait pas partie du cône&#xa0;: enlève-le.</translation>
    </message>
    <message>
        <source>That is the length of the cone&apos;s rim; the question asks for its area.</source>
        <translation>Ça, c’est la longueur du bord du cône&#xa0;; la question demande son aire.</translation>
    </message>
    <message>
        <source>The angle is in degrees: the cone keeps %6/360 of the disc (½ × r² × θ needs radians).</source>
        <translation>L’angle est en degrés&#xa0;: le cône garde les %6/360 du disque (½ × r² × θ demande des radians).</translation>
    </message>
    <message>
        <source>So close — it looks like you used π = 3.14; use 3.14159, as the page says.</source>
        <translation>Presque&#xa0;! On dirait que tu as pris π = 3,14&#xa0;; prends 3,14159, comme l’indique la page.</translation>
    </message>
    <message>
        <source>So close — it looks like you used π = 22/7; use 3.14159, as the page says.</source>
        <translation>Presque&#xa0;! On dirait que tu as pris π = 22/7&#xa0;; prends 3,14159, comme l’indique la page.</translation>
    </message>
    <message>
        <source>So close — it looks like you used π = 3.142; use 3.14159, as the page says.</source>
        <translation>Presque&#xa0;! On dirait que tu as pris π = 3,142&#xa0;; prends 3,14159, comme l’indique la page.</translation>
    </message>
    <message>
        <source>So close — √3 was rounded too early; keep all its digits until the end.</source>
        <translation>Presque&#xa0;! √3 a été arrondi trop tôt&#xa0;; garde tous ses chiffres jusqu’à la fin.</translation>
    </message>
    <message>
        <source>So close — give two decimal places, not one.</source>
        <translation>Presque&#xa0;! Donne deux chiffres après la virgule, pas un seul.</translation>
    </message>
    <message>
        <source>So close — give two decimal places, not a whole number.</source>
        <translation>Presque&#xa0;! Donne deux chiffres après la virgule, pas un nombre entier.</translation>
    </message>
    <message>
        <source>So close — round the second decimal: round up when the third is 5 or more.</source>
        <translation>Presque&#xa0;! Arrondis le deuxième chiffre après la virgule&#xa0;: vers le haut quand le troisième vaut 5 ou plus.</translation>
    </message>
    <message>
        <source>So close — π was rounded too early; use 3.14159, as the page says.</source>
        <translation>Presque&#xa0;! π a été arrondi trop tôt&#xa0;; prends 3,14159, comme l’indique la page.</translation>
    </message>
    <message>
        <source>So close — use π = 3.14159, keep every digit to the end, then round to two decimal places.</source>
        <translation>Presque&#xa0;! Prends π = 3,14159, garde tous les chiffres jusqu’à la fin, puis arrondis au centième.</translation>
    </message>
    <message>
        <source>So close — keep every digit to the end, then round to two decimal places.</source>
        <translation>Presque&#xa0;! Garde tous les chiffres jusqu’à la fin, puis arrondis au centième.</translation>
    </message>
    <message>
        <source>The circumference is 2 × π × r: twice π times the radius.</source>
        <translation>Le périmètre est 2 × π × r&#xa0;: deux fois π fois le rayon.</translation>
    </message>
    <message>
        <source>Work out 2 × π × %1.</source>
        <translation>Calcule 2 × π × %1.</translation>
    </message>
    <message>
        <source>The area of a circle is π × r²: π times the radius times the radius.</source>
        <translation>L’aire d’un disque est π × r²&#xa0;: π fois le rayon fois le rayon.</translation>
    </message>
    <message>
        <source>Work out π × %1 × %1.</source>
        <translation>Calcule π × %1 × %1.</translation>
    </message>
    <message>
        <source>Work out π × %1² ÷ %2.</source>
        <translation>Calcule π × %1² ÷ %2.</translation>
    </message>
    <message>
        <source>The sector is θ/360 of the circle: π × r² × θ ÷ 360, with the angle θ in degrees.</source>
        <translation>Le secteur est les θ/360 du disque&#xa0;: π × r² × θ ÷ 360, avec l’angle θ en degrés.</translation>
    </message>
    <message>
        <source>Work out π × %1² × %3 ÷ 360.</source>
        <translation>Calcule π × %1² × %3 ÷ 360.</translation>
    </message>
    <message>
        <source>The hexagon is six triangles, each with base r and height √3/2 × r: 6 × ½ × r × (√3/2 × r).</source>
        <translation>L’hexagone est formé de six triangles de base r et de hauteur √3/2 × r&#xa0;: 6 × ½ × r × (√3/2 × r).</translation>
    </message>
    <message>
        <source>Work out 6 × ½ × %1 × (√3/2 × %1).</source>
        <translation>Calcule 6 × ½ × %1 × (√3/2 × %1).</translation>
    </message>
    <message>
        <source>A segment is a sector, π × r² ÷ 6, less one of the hexagon&apos;s triangles, ½ × r × (√3/2 × r).</source>
        <translation>Un segment est un secteur, π × r² ÷ 6, moins un des triangles de l’hexagone, ½ × r × (√3/2 × r).</translation>
    </message>
    <message>
        <source>Work out π × %1² ÷ 6 − ½ × %1 × (√3/2 × %1).</source>
        <translation>Calcule π × %1² ÷ 6 − ½ × %1 × (√3/2 × %1).</translation>
    </message>
    <message>
        <source>The shorter side goes round the cylinder: it is the circumference 2 × π × r, so r = side ÷ (2 × π).</source>
        <translation>Le petit côté fait le tour du cylindre&#xa0;: c’est le périmètre 2 × π × r, donc r = côté ÷ (2 × π).</translation>
    </message>
    <message>
        <source>Work out %3 ÷ (2 × π).</source>
        <translation>Calcule %3 ÷ (2 × π).</translation>
    </message>
    <message>
        <source>Rolling the paper does not change its area: it is the rectangle&apos;s, one side times the other.</source>
        <translation>Enrouler le papier ne change pas son aire&#xa0;: c’est celle du rectangle, un côté fois l’autre.</translation>
    </message>
    <message>
        <source>Work out %1 × %2.</source>
        <translation>Calcule %1 × %2.</translation>
    </message>
    <message>
        <source>Bending the tube round into a torus does not stretch the paper: its area is the rectangle&apos;s, one side times the other.</source>
        <translation>Courber le tube en tore n’étire pas le papier&#xa0;: son aire est celle du rectangle, un côté fois l’autre.</translation>
    </message>
    <message>
        <source>The strip&apos;s one edge runs along both longer sides before it meets itself: 2 × the longer side.</source>
        <translation>L’unique bord du ruban longe les deux grands côtés avant de se rejoindre&#xa0;: 2 × le grand côté.</translation>
    </message>
    <message>
        <source>Work out 2 × %4.</source>
        <translation>Calcule 2 × %4.</translation>
    </message>
    <message>
        <source>The strip&apos;s one side covers both faces of the paper: 2 × one side × the other.</source>
        <translation>L’unique face du ruban couvre les deux faces du papier&#xa0;: 2 × un côté × l’autre.</translation>
    </message>
    <message>
        <source>Work out 2 × %1 × %2.</source>
        <translation>Calcule 2 × %1 × %2.</translation>
    </message>
    <message>
        <source>The cone is the disc less the removed sector: it keeps (360 − the cut angle)/360 of π × r².</source>
        <translation>Le cône est le disque moins le secteur retiré&#xa0;: il garde les (360 − l’angle découpé)/360 de π × r².</translation>
    </message>
    <message>
        <source>Work out π × %1² × %6 ÷ 360.</source>
        <translation>Calcule π × %1² × %6 ÷ 360.</translation>
    </message>
    <message>
        <source>Press Answer to see the worked solution.</source>
        <translation>Clique sur «&#xa0;Réponse&#xa0;» pour voir la solution détaillée.</translation>
    </message>
    <message>
        <source>The circumference is 2 × π × r: 2 × π × %1 = %7</source>
        <translation>Le périmètre est 2 × π × r&#xa0;: 2 × π × %1 = %7</translation>
    </message>
    <message>
        <source>The area of a circle is π × r²: π × %1² = %7</source>
        <translation>L’aire d’un disque est π × r²&#xa0;: π × %1² = %7</translation>
    </message>
    <message>
        <source>The sector is %3/360 of the circle: π × %1² × %3 ÷ 360 = %7</source>
        <translation>Le secteur est les %3/360 du disque&#xa0;: π × %1² × %3 ÷ 360 = %7</translation>
    </message>
    <message>
        <source>Six triangles, each ½ × %1 × (√3/2 × %1): 6 × ½ × %1 × (√3/2 × %1) = %7</source>
        <translation>Six triangles, chacun ½ × %1 × (√3/2 × %1)&#xa0;: 6 × ½ × %1 × (√3/2 × %1) = %7</translation>
    </message>
    <message>
        <source>A sector less its triangle: π × %1² ÷ 6 − ½ × %1 × (√3/2 × %1) = %7</source>
        <translation>Un secteur moins son triangle&#xa0;: π × %1² ÷ 6 − ½ × %1 × (√3/2 × %1) = %7</translation>
    </message>
    <message>
        <source>The shorter side goes round: %3 = 2 × π × r, so r = %3 ÷ (2 × π) = %7</source>
        <translation>Le petit côté fait le tour&#xa0;: %3 = 2 × π × r, donc r = %3 ÷ (2 × π) = %7</translation>
    </message>
    <message>
        <source>Rolling the paper does not stretch it, so the area is the rectangle&apos;s: %1 × %2 = %7</source>
        <translation>Enrouler le papier ne l’étire pas, donc l’aire est celle du rectangle&#xa0;: %1 × %2 = %7</translation>
    </message>
    <message>
        <source>Bending the paper into a torus does not stretch it, so the area is the rectangle&apos;s: %1 × %2 = %7</source>
        <translation>Courber le papier en tore ne l’étire pas, donc l’aire est celle du rectangle&#xa0;: %1 × %2 = %7</translation>
    </message>
    <message>
        <source>The edge runs along both longer sides before it meets itself: 2 × %4 = %7</source>
        <translation>Le bord longe les deux grands côtés avant de se rejoindre&#xa0;: 2 × %4 = %7</translation>
    </message>
    <message>
        <source>The strip&apos;s one side covers both faces of the paper, so its area is twice the rectangle&apos;s: 2 × %1 × %2 = %7</source>
        <translation>L’unique face du ruban couvre les deux faces du papier, donc son aire est le double de celle du rectangle&#xa0;: 2 × %1 × %2 = %7</translation>
    </message>
    <message>
        <source>The cone keeps %6/360 of the disc: π × %1² × %6 ÷ 360 = %7</source>
        <translation>Le cône garde les %6/360 du disque&#xa0;: π × %1² × %6 ÷ 360 = %7</translation>
    </message>
    <message>
        <source>%1 Or perhaps: %2</source>
        <translation>%1 Ou peut-être&#xa0;: %2</translation>
    </message>
    <message>
        <source>Type your answer as a number, with two decimal places.</source>
        <translation>Tape ta réponse sous forme de nombre, avec deux chiffres après la virgule.</translation>
    </message>
    <message>
        <source>Write the decimals after a point, not a comma: the number stops at the comma.</source>
        <translation>Écris les décimales après un point, pas une virgule&#xa0;: le nombre s’arrête à la virgule.</translation>
    </message>
    <message>
        <source>Type the number only: multiply by π yourself, with the value the page gives.</source>
        <translation>Tape seulement le nombre&#xa0;: multiplie toi-même par π, avec la valeur donnée sur la page.</translation>
    </message>
    <message>
        <source>The radius is already %1; you halved it as if it were the diameter.</source>
        <translation>Le rayon vaut déjà %1&#xa0;; tu l’as divisé par deux comme si c’était le diamètre.</translation>
    </message>
    <message>
        <source>Square the radius: the area uses r × r.</source>
        <translation>Élève le rayon au carré&#xa0;: l’aire se calcule avec r × r.</translation>
    </message>
    <message>
        <source>The area is π × r²: multiply by π as well.</source>
        <translation>L’aire est π × r²&#xa0;: multiplie aussi par π.</translation>
    </message>
    <message>
        <source>That is the whole circle; the sector is 1/%2 of it.</source>
        <translation>Ça, c’est le disque entier&#xa0;; le secteur n’en est que 1/%2.</translation>
    </message>
    <message>
        <source>Here %2 says what part of the circle the sector is, 1/%2, not an angle in degrees.</source>
        <translation>Ici, %2 indique quelle part du disque est le secteur, 1/%2&#xa0;; ce n’est pas un angle en degrés.</translation>
    </message>
    <message>
        <source>The side that goes round is 2 × π × r, so divide it by 2 × π.</source>
        <translation>Le côté qui fait le tour vaut 2 × π × r, donc divise-le par 2 × π.</translation>
    </message>
    <message>
        <source>Leave out the thousands separator: the page does not read it as one.</source>
        <translation>N’écris pas de séparateur des milliers&#xa0;: la page ne le lit pas comme tel.</translation>
    </message>
    <message>
        <source>An area can&apos;t be negative: drop the minus sign.</source>
        <translation>Une aire ne peut pas être négative&#xa0;: enlève le signe moins.</translation>
    </message>
    <message>
        <source>A length can&apos;t be negative: drop the minus sign.</source>
        <translation>Une longueur ne peut pas être négative&#xa0;: enlève le signe moins.</translation>
    </message>
    <message>
        <source>π × r, the 2 left out</source>
        <translation>π × r, le 2 oublié</translation>
    </message>
    <message>
        <source>the area for the circumference</source>
        <translation>l’aire au lieu du périmètre</translation>
    </message>
    <message>
        <source>the diameter used for the radius</source>
        <translation>le diamètre au lieu du rayon</translation>
    </message>
    <message>
        <source>the circumference for the area</source>
        <translation>le périmètre au lieu de l’aire</translation>
    </message>
    <message>
        <source>the radius not squared</source>
        <translation>le rayon pas élevé au carré</translation>
    </message>
    <message>
        <source>π squared with the radius</source>
        <translation>π élevé au carré avec le rayon</translation>
    </message>
    <message>
        <source>the radius halved as if a diameter</source>
        <translation>le rayon divisé par deux comme un diamètre</translation>
    </message>
    <message>
        <source>π left out</source>
        <translation>π oublié</translation>
    </message>
    <message>
        <source>the whole circle</source>
        <translation>le disque entier</translation>
    </message>
    <message>
        <source>the arc&apos;s length for the area</source>
        <translation>la longueur de l’arc au lieu de l’aire</translation>
    </message>
    <message>
        <source>the fraction taken as an angle</source>
        <translation>la fraction prise pour un angle</translation>
    </message>
    <message>
        <source>degrees used as radians</source>
        <translation>les degrés pris pour des radians</translation>
    </message>
    <message>
        <source>twice the sector</source>
        <translation>le double du secteur</translation>
    </message>
    <message>
        <source>the rest of the circle</source>
        <translation>le reste du disque</translation>
    </message>
    <message>
        <source>one triangle only</source>
        <translation>un seul triangle</translation>
    </message>
    <message>
        <source>the triangle&apos;s ½ left out</source>
        <translation>le ½ du triangle oublié</translation>
    </message>
    <message>
        <source>the triangle&apos;s height taken as r</source>
        <translation>la hauteur du triangle prise égale à r</translation>
    </message>
    <message>
        <source>all six segments</source>
        <translation>les six segments ensemble</translation>
    </message>
    <message>
        <source>the sector, its triangle not taken away</source>
        <translation>le secteur, sans retirer son triangle</translation>
    </message>
    <message>
        <source>the longer side taken round</source>
        <translation>le grand côté pris pour le tour</translation>
    </message>
    <message>
        <source>the diameter for the radius</source>
        <translation>le diamètre au lieu du rayon</translation>
    </message>
    <message>
        <source>the side halved, π left out</source>
        <translation>le côté divisé par deux, sans π</translation>
    </message>
    <message>
        <source>the side multiplied by 2π</source>
        <translation>le côté multiplié par 2π</translation>
    </message>
    <message>
        <source>the paper counted twice</source>
        <translation>le papier compté deux fois</translation>
    </message>
    <message>
        <source>the perimeter for the area</source>
        <translation>le périmètre au lieu de l’aire</translation>
    </message>
    <message>
        <source>the sides added</source>
        <translation>les côtés additionnés</translation>
    </message>
    <message>
        <source>the sides taken as radii</source>
        <translation>les côtés pris pour des rayons</translation>
    </message>
    <message>
        <source>one long side only</source>
        <translation>un seul grand côté</translation>
    </message>
    <message>
        <source>the shorter sides</source>
        <translation>les petits côtés</translation>
    </message>
    <message>
        <source>the whole perimeter</source>
        <translation>le périmètre entier</translation>
    </message>
    <message>
        <source>one face only</source>
        <translation>une seule face du papier</translation>
    </message>
    <message>
        <source>the cut-away sector</source>
        <translation>le secteur découpé</translation>
    </message>
    <message>
        <source>the whole disc</source>
        <translation>le disque entier</translation>
    </message>
    <message>
        <source>the rim&apos;s length for the area</source>
        <translation>la longueur du bord au lieu de l’aire</translation>
    </message>
    <message>
        <source>π taken as 3.14</source>
        <translation>π pris égal à 3,14</translation>
    </message>
    <message>
        <source>π taken as 22/7</source>
        <translation>π pris égal à 22/7</translation>
    </message>
    <message>
        <source>π taken as 3.142</source>
        <translation>π pris égal à 3,142</translation>
    </message>
    <message>
        <source>√3 taken as 1.73</source>
        <translation>√3 pris égal à 1,73</translation>
    </message>
    <message>
        <source>√3 taken as 1.732</source>
        <translation>√3 pris égal à 1,732</translation>
    </message>
    <message>
        <source>one decimal place only</source>
        <translation>un seul chiffre après la virgule</translation>
    </message>
    <message>
        <source>a whole number for two places</source>
        <translation>un nombre entier au lieu de deux décimales</translation>
    </message>
    <message>
        <source>the second decimal cut, not rounded</source>
        <translation>le deuxième chiffre après la virgule tronqué, pas arrondi</translation>
    </message>
    <message>
        <source>rounded before the end</source>
        <translation>arrondi avant la fin</translation>
    </message>
    <message>
        <source>no number typed</source>
        <translation>aucun nombre tapé</translation>
    </message>
    <message>
        <source>a decimal comma</source>
        <translation>une virgule décimale</translation>
    </message>
    <message>
        <source>π typed after the number</source>
        <translation>π tapé après le nombre</translation>
    </message>
    <message>
        <source>a thousands separator</source>
        <translation>un séparateur des milliers</translation>
    </message>
    <message>
        <source>a minus sign</source>
        <translation>un signe moins</translation>
    </message>
    <message>
        <source>The sector is 1/%2 of the circle: work out the circle&apos;s area, π × r², then divide it by %2.</source>
        <translation>Le secteur est 1/%2 du disque&#xa0;: calcule l’aire du disque, π × r², puis divise-la par %2.</translation>
    </message>
    <message>
        <source>The sector is 1/%2 of the circle: π × %1² ÷ %2 = %7</source>
        <translation>Le secteur est 1/%2 du disque&#xa0;: π × %1² ÷ %2 = %7</translation>
    </message>
</context>
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
    <name>PictureButton</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A picture button&apos;s tooltip: what it does, then its key, as in &quot;Check my answer (Alt+C)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
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
    <message>
        <source>You have mastered %1!</source>
        <translation>Tu maîtrises maintenant : %1 !</translation>
    </message>
    <message>
        <source>Ask your teacher to help you with %1 problems.</source>
        <translation>Demande à ton professeur de t’aider pour les problèmes « %1 ».</translation>
    </message>
    <message>
        <source>%1: practice</source>
        <translation>%1 : entraînement</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments :</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après « %1 ».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après « %1 ».</translation>
    </message>
</context>
<context>
    <name>StateStrip</name>
    <message>
        <source>Your progress on these kinds of problem</source>
        <translation>Tes progrès sur ces sortes de problèmes</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <source>Title animation</source>
        <translation>Animation d’accueil</translation>
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
        <source>The area of a sector of angle A radians of a circle of radius r is </source>
        <translation>L’aire d’un secteur circulaire d’angle A radians dans un disque de rayon r est </translation>
    </message>
    <message>
        <source>The area of the isosceles triangle formed by connecting the ends of a chord subtending an angle of A radians to the centre of a circle of radius r is</source>
        <translation>L’aire du triangle isocèle obtenu en reliant au centre d’un cercle de rayon r les extrémités d’une corde qui intercepte un angle au centre de A radians est</translation>
    </message>
    <message>
        <source>The area of a segment made by a chord subtending an angle of A radians is equal to the area of the corresponding sector minus the area of an isosceles triangle, which is</source>
        <translation>L’aire d’un segment circulaire délimité par une corde qui intercepte un angle au centre de A radians est égale à l’aire du secteur correspondant moins l’aire d’un triangle isocèle, soit</translation>
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
        <source>By folding a rectangle around until two opposite edges meet we can make an open-ended cylinder. If the cylinder is then folded until its two open ends meet the resulting shape is known as a torus.</source>
        <translation>En enroulant un rectangle jusqu’à ce que deux côtés opposés se rejoignent, on obtient un cylindre ouvert. Si l’on courbe ensuite ce cylindre jusqu’à ce que ses deux extrémités ouvertes se rejoignent, la forme obtenue s’appelle un tore.</translation>
    </message>
    <message>
        <source>A möbius strip can be constructed from a rectangle. If the rectangle is given a 180° twist before being folded around until two opposite edges meet, a möbius strip is produced. By twisting the rectangle, before joining its edges, both sides of the rectangle become joined, so the möbius strip has just one face with twice the area of the rectangle. It also has just one edge which is twice the length of the corresponding edge of the rectangle.</source>
        <translation>On peut construire un ruban de Möbius à partir d’un rectangle. Si l’on fait subir au rectangle une torsion de 180° avant de l’enrouler jusqu’à ce que deux côtés opposés se rejoignent, on obtient un ruban de Möbius. En tordant le rectangle avant d’en joindre les côtés, on relie ses deux faces&#xa0;: le ruban de Möbius n’a donc qu’une seule face, dont l’aire est le double de celle du rectangle. Il n’a aussi qu’un seul bord, deux fois plus long que le côté correspondant du rectangle.</translation>
    </message>
    <message>
        <source>If we take a circle and remove a sector from it, then pull the two edges of the missing sector together, we can construct an open-ended cone. The area of the open-ended cone is the same as that of the circle minus the sector that has been removed.</source>
        <translation>Si l’on découpe un secteur dans un disque, puis que l’on rapproche les deux bords du secteur manquant, on obtient un cône ouvert. L’aire du cône ouvert est égale à celle du disque moins celle du secteur retiré.</translation>
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
    <message>
        <source>My Progress</source>
        <translation>Mes progrès</translation>
    </message>
    <message>
        <source>My Class</source>
        <translation>Ma classe</translation>
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
    <name>myclass</name>
    <message>
        <source>%1 (%2)</source>
        <comment>a slip: the kind of problem, the slip&apos;s id</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>My Class</source>
        <translation>Ma classe</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Needs help with</source>
        <translation>A besoin d&apos;aide pour</translation>
    </message>
    <message>
        <source>Most frequent slip</source>
        <translation>Erreur la plus fréquente</translation>
    </message>
    <message>
        <source>Last active</source>
        <translation>Dernière activité</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Cercles</translation>
    </message>
    <message>
        <source>Paper Folding</source>
        <translation>Pliage</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Pupils of your classes</source>
        <translation>Élèves de vos classes</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Save the checks of your classes&apos; pupils as a CSV file</source>
        <translation>Enregistrer les réponses vérifiées des élèves de vos classes dans un fichier CSV</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>No class record is set up on this computer.</source>
        <translation>Aucun suivi de classe n’est configuré sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Reading the class record…</source>
        <translation>Lecture du suivi de classe…</translation>
    </message>
    <message>
        <source>The class&apos;s checks were saved in %1.</source>
        <translation>Les réponses vérifiées de la classe ont été enregistrées dans %1.</translation>
    </message>
    <message>
        <source>The class&apos;s checks could not be saved in %1: %2</source>
        <translation>Les réponses vérifiées de la classe n&apos;ont pas pu être enregistrées dans %1 : %2</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>No pupils are in your classes yet.</source>
        <translation>Vos classes ne comptent encore aucun élève.</translation>
    </message>
    <message>
        <source>Pupils: %1. Needing help: %2. Read at %3.</source>
        <translation>Élèves : %1. Ayant besoin d&apos;aide : %2. Lu à %3.</translation>
    </message>
    <message>
        <source>The school&apos;s server did not answer (%1). The table is as read at %2.</source>
        <translation>Le serveur de l&apos;école n&apos;a pas répondu (%1). Le tableau est celui lu à %2.</translation>
    </message>
    <message>
        <source>The school&apos;s server did not answer (%1).</source>
        <translation>Le serveur de l&apos;école n&apos;a pas répondu (%1).</translation>
    </message>
    <message>
        <source>Export the class&apos;s checks</source>
        <translation>Exporter les réponses vérifiées de la classe</translation>
    </message>
    <message>
        <source>my-class</source>
        <translation>ma-classe</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saving the class&apos;s checks…</source>
        <translation>Enregistrement des réponses vérifiées de la classe…</translation>
    </message>
    <message>
        <source>The arrow keys move from cell to cell; Alt+S sorts by the column of the current cell, and again the other way round.</source>
        <translation>Les flèches passent d&apos;une cellule à l&apos;autre ; Alt+S trie selon la colonne de la cellule courante, et une seconde fois dans l&apos;ordre inverse.</translation>
    </message>
</context>
<context>
    <name>myprogress</name>
    <message>
        <source>My Progress</source>
        <translation>Mes progrès</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Cercles</translation>
    </message>
    <message>
        <source>Paper Folding</source>
        <translation>Pliage de papier</translation>
    </message>
    <message>
        <source>Practise weak spots</source>
        <translation>Travailler mes points faibles</translation>
    </message>
    <message>
        <source>Problems of %1, the kinds you need most first</source>
        <translation>Des problèmes de %1, d’abord les sortes dont tu as le plus besoin</translation>
    </message>
    <message>
        <source>Kinds of problem in %1</source>
        <translation>Sortes de problèmes en %1</translation>
    </message>
    <message>
        <source>Kind of problem</source>
        <translation>Sorte de problème</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Last ten first tries</source>
        <translation>Premiers essais</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>The last 14 days</source>
        <translation>Les 14 derniers jours</translation>
    </message>
    <message>
        <source>Your most frequent slips</source>
        <translation>Tes erreurs les plus fréquentes</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Save your checks as a CSV file</source>
        <translation>Enregistrer tes réponses dans un fichier CSV</translation>
    </message>
    <message>
        <source>Forget my record</source>
        <translation>Effacer mon suivi</translation>
    </message>
    <message>
        <source>Delete everything recorded about your work</source>
        <translation>Effacer tout ce qui a été noté sur ton travail</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>My Progress: %1</source>
        <translation>Mes progrès : %1</translation>
    </message>
    <message>
        <source>Nothing is recorded: the record is turned off.</source>
        <translation>Rien n’est noté : le suivi est désactivé.</translation>
    </message>
    <message>
        <source>%1: once</source>
        <translation>%1&#xa0;: une&#xa0;fois</translation>
    </message>
    <message>
        <source>%1: %2 times</source>
        <translation>%1&#xa0;: %2&#xa0;fois</translation>
    </message>
    <message>
        <source>No slips so far.</source>
        <translation>Aucune erreur jusqu’ici.</translation>
    </message>
    <message>
        <source>right</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>aucun pour l’instant</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>share of first tries right</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Export my record</source>
        <translation>Exporter mon suivi</translation>
    </message>
    <message>
        <source>my-progress</source>
        <translation>mes-progres</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Your record could not be written to %1.</source>
        <translation>Ton suivi n’a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Your record could not be deleted.</source>
        <translation>Ton suivi n’a pas pu être effacé.</translation>
    </message>
    <message>
        <source>Delete everything recorded about your work? This cannot be undone.</source>
        <translation>Effacer tout ce qui a été noté sur ton travail ? Cela ne peut pas être annulé.</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Regarder dans :</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Type de fichier :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
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
<context>
    <name>record</name>
    <message>
        <source>Sent to the class record</source>
        <translation>Envoyé au suivi de classe</translation>
    </message>
    <message>
        <source>Waiting for the school&apos;s server: one answer kept on this computer</source>
        <translation>En attente du serveur de l&apos;école&#xa0;: une réponse conservée sur cet ordinateur</translation>
    </message>
    <message numerus="yes">
        <source>Waiting for the school&apos;s server: %n answers kept on this computer</source>
        <translation>
            <numerusform>En attente du serveur de l&apos;école&#xa0;: %n réponse conservée sur cet ordinateur</numerusform>
            <numerusform>En attente du serveur de l&apos;école&#xa0;: %n réponses conservées sur cet ordinateur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers could not be written to the record yet; they are kept and tried again.</source>
        <translation>
            <numerusform>%n réponse n’a pas encore pu être enregistrée ; elle est gardée et sera réessayée.</numerusform>
            <numerusform>%n réponses n’ont pas encore pu être enregistrées ; elles sont gardées et seront réessayées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record was damaged: it was moved aside as %1, and a new record was started.</source>
        <translation>Le suivi était endommagé : il a été mis de côté sous le nom %1, et un nouveau suivi a commencé.</translation>
    </message>
    <message>
        <source>Your record was damaged: it was kept as %1, and a new one was started.</source>
        <translation>Ton suivi était endommagé : il a été conservé sous le nom %1, et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>Circumference</source>
        <translation>Circonférence</translation>
    </message>
    <message>
        <source>Area of a circle</source>
        <translation>Aire d’un disque</translation>
    </message>
    <message>
        <source>Sector as a fraction</source>
        <translation>Secteur comme fraction</translation>
    </message>
    <message>
        <source>Sector by its angle</source>
        <translation>Secteur par son angle</translation>
    </message>
    <message>
        <source>Inscribed hexagon</source>
        <translation>Hexagone inscrit</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segment circulaire</translation>
    </message>
    <message>
        <source>Cylinder&apos;s radius</source>
        <translation>Rayon du cylindre</translation>
    </message>
    <message>
        <source>Cylinder&apos;s area</source>
        <translation>Aire du cylindre</translation>
    </message>
    <message>
        <source>Torus&apos;s area</source>
        <translation>Aire du tore</translation>
    </message>
    <message>
        <source>Möbius strip&apos;s edge</source>
        <translation>Bord du ruban de Möbius</translation>
    </message>
    <message>
        <source>Möbius strip&apos;s area</source>
        <translation>Aire du ruban de Möbius</translation>
    </message>
    <message>
        <source>Cone&apos;s area</source>
        <translation>Aire du cône</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Pas commencé</translation>
    </message>
    <message>
        <source>Practising</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation>Maîtrisé</translation>
    </message>
    <message>
        <source>Needs help</source>
        <translation>Besoin d’aide</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Nothing is recorded in %1: Qt&apos;s SQLite driver (libqt6sql6-sqlite) is not installed.</source>
        <translation>Rien n’est noté dans %1 : le pilote SQLite de Qt (libqt6sql6-sqlite) n’est pas installé.</translation>
    </message>
    <message>
        <source>Nothing is recorded: the folder %1 cannot be made.</source>
        <translation>Rien n’est noté : le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Nothing is recorded: %1 cannot be written.</source>
        <translation>Rien n’est noté : impossible d’écrire dans %1.</translation>
    </message>
    <message>
        <source>Nothing has been recorded yet in %1.</source>
        <translation>Rien n’a encore été noté dans %1.</translation>
    </message>
    <message>
        <source>Nothing is recorded: %1 is not a database file.</source>
        <translation>Rien n’est noté : %1 n’est pas un fichier de base de données.</translation>
    </message>
    <message>
        <source>Nothing is recorded: %1 is damaged and cannot be moved aside.</source>
        <translation>Rien n’est noté : %1 est endommagé et ne peut pas être mis de côté.</translation>
    </message>
    <message>
        <source>Nothing can be read from %1: the file is damaged.</source>
        <translation>Rien ne peut être lu dans %1 : le fichier est endommagé.</translation>
    </message>
    <message>
        <source>Nothing is recorded: %1 cannot be opened.</source>
        <translation>Rien n’est noté : %1 ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the program: it is shown, but nothing is added to it.</source>
        <translation>%1 a été écrit par une version plus récente du programme : il est affiché, mais rien n’y est ajouté.</translation>
    </message>
    <message>
        <source>Nothing is recorded: the disk that holds %1 is full.</source>
        <translation>Rien n’est noté : le disque qui contient %1 est plein.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Nothing is recorded: the program was started with --no-record.</source>
        <translation>Rien n’est noté : le programme a été lancé avec --no-record.</translation>
    </message>
    <message>
        <source>Nothing is recorded: recording is turned off on this computer (%1).</source>
        <translation>Rien n’est noté : le suivi est désactivé sur cet ordinateur (%1).</translation>
    </message>
</context>
</TS>
