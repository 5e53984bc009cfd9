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
        <source>That is the whole circle; the sector is one %2th of it.</source>
        <translation>Ça, c’est le disque entier&#xa0;; le secteur n’en est que 1/%2.</translation>
    </message>
    <message>
        <source>That is the arc&apos;s length; the question asks for the sector&apos;s area.</source>
        <translation>Ça, c’est la longueur de l’arc&#xa0;; la question demande l’aire du secteur.</translation>
    </message>
    <message>
        <source>Here %2 says what part of the circle the sector is, one %2th, not an angle in degrees.</source>
        <translation>Ici, %2 indique quelle part du disque est le secteur, 1/%2, et non un angle en degrés.</translation>
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
        <source>So close — give two decimal places.</source>
        <translation>Presque&#xa0;! Donne deux chiffres après la virgule.</translation>
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
        <source>The sector is one n-th of the circle: work out the circle&apos;s area, π × r², then divide it by n.</source>
        <translation>Le secteur est 1/n du disque&#xa0;: calcule l’aire du disque, π × r², puis divise-la par n.</translation>
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
        <source>The sector is one %2th of the circle: π × %1² ÷ %2 = %7</source>
        <translation>Le secteur est 1/%2 du disque&#xa0;: π × %1² ÷ %2 = %7</translation>
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
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <source>Title animation</source>
        <translation>Animation d’accueil</translation>
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
        <translation>Aucun suivi de classe n&apos;est configuré sur cet ordinateur.</translation>
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
</context>
</TS>
