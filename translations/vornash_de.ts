<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Animation</name>
    <message>
        <source>A cone is folded from a disc and turns slowly.</source>
        <translation>Aus einer Kreisscheibe wird ein Kegel gefaltet, der sich langsam dreht.</translation>
    </message>
    <message>
        <source>A circle of radius r cut into thin sectors, which laid side by side make nearly a rectangle πr long and r high.</source>
        <translation>Ein Kreis mit dem Radius r, in schmale Kreisausschnitte zerschnitten, die nebeneinandergelegt fast ein Rechteck ergeben, πr lang und r hoch.</translation>
    </message>
    <message>
        <source>A sector of angle A opening in a circle of radius r, over the regular hexagon inscribed in the circle.</source>
        <translation>Ein Kreisausschnitt mit dem Winkel A öffnet sich in einem Kreis mit dem Radius r, über dem regelmäßigen Sechseck, das dem Kreis einbeschrieben ist.</translation>
    </message>
    <message>
        <source>The isosceles triangle formed by a chord and the two radii to its ends.</source>
        <translation>Das gleichschenklige Dreieck aus einer Sehne und den beiden Radien zu ihren Endpunkten.</translation>
    </message>
    <message>
        <source>A segment: the sector with the triangle under its chord taken away.</source>
        <translation>Ein Kreisabschnitt: der Kreisausschnitt ohne das Dreieck unter seiner Sehne.</translation>
    </message>
    <message>
        <source>A rectangle folded round until two opposite edges meet, making a cylinder.</source>
        <translation>Ein Rechteck wird herumgebogen, bis zwei gegenüberliegende Seiten aufeinandertreffen, und wird so zum Zylinder.</translation>
    </message>
    <message>
        <source>A cylinder bent round until its two open ends meet, making a torus.</source>
        <translation>Ein Zylinder wird gebogen, bis seine beiden offenen Enden aufeinandertreffen, und wird so zum Torus.</translation>
    </message>
    <message>
        <source>A rectangle given a half twist and joined at its ends, making a Möbius strip.</source>
        <translation>Ein Rechteck wird um eine halbe Drehung verdreht und an den Enden zusammengefügt und wird so zum Möbiusband.</translation>
    </message>
    <message>
        <source>A circle with a sector removed, its cut edges pulled together into a cone.</source>
        <translation>Eine Kreisscheibe ohne einen Kreisausschnitt, deren Schnittkanten zu einem Kegel zusammengezogen werden.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show these options and exit.</source>
        <translation>Zeigt diese Optionen und beendet das Programm.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Zeigt die Version des Programms und beendet es.</translation>
    </message>
    <message>
        <source>cannot open the display %1: no display server answers there, or this user may not use it.</source>
        <translation>die Anzeige %1 kann nicht geöffnet werden: Dort antwortet kein Anzeigeserver, oder dieser Benutzer darf ihn nicht verwenden.</translation>
    </message>
    <message>
        <source>Check the %1 variable, or run it under a virtual display: %2</source>
        <translation>Prüfen Sie die Variable %1, oder starten Sie das Programm auf einer virtuellen Anzeige: %2</translation>
    </message>
    <message>
        <source>geometry lessons and problems on circles and paper folding.</source>
        <translation>Geometrie-Lektionen und -Aufgaben zu Kreisen und zum Papierfalten.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Try &apos;vornash --help&apos; for the options it takes.</source>
        <translation>„vornash --help“ zeigt die Optionen, die das Programm versteht.</translation>
    </message>
    <message>
        <source>there is no display to show the program on.</source>
        <translation>es gibt keine Anzeige, auf der das Programm erscheinen kann.</translation>
    </message>
    <message>
        <source>Run it on a desktop, or under a virtual display: %1</source>
        <translation>Starten Sie es auf einem Desktop oder auf einer virtuellen Anzeige: %1</translation>
    </message>
    <message>
        <source>Record nothing of the pupil&apos;s answers in this run.</source>
        <translation>Zeichnet in diesem Lauf nichts von den Antworten der Schülerin oder des Schülers auf.</translation>
    </message>
    <message>
        <source>Write the pupil&apos;s checks to FILE as CSV and exit.</source>
        <translation>Schreibt die geprüften Antworten als CSV in FILE und beendet es.</translation>
    </message>
    <message>
        <source>Open a teacher&apos;s class page.</source>
        <translation>Öffnet die Klassenseite einer Lehrkraft.</translation>
    </message>
    <message>
        <source>Write a teacher&apos;s pupils&apos; checks to FILE as CSV and exit.</source>
        <translation>Schreibt die geprüften Antworten der Klasse einer Lehrkraft als CSV in FILE und beendet das Programm.</translation>
    </message>
    <message>
        <source>Use the libpq service SERVICE for the class record, for this run.</source>
        <translation>Nimmt in diesem Lauf den libpq-Dienst SERVICE für die Klassenübersicht.</translation>
    </message>
    <message>
        <source>no class record is set up on this computer ([classroom] service).</source>
        <translation>auf diesem Computer ist keine Klassenübersicht eingerichtet ([classroom] service).</translation>
    </message>
    <message>
        <source>the school&apos;s server did not answer: %1</source>
        <translation>der Server der Schule hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <source>the class record is for teachers, and this account is not one.</source>
        <translation>die Klassenübersicht ist für Lehrkräfte, und dieses Konto gehört keiner.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>DaysChart</name>
    <message>
        <source>Problems done in the last 14 days</source>
        <translation>Gelöste Aufgaben der letzten 14 Tage</translation>
    </message>
    <message>
        <source>problems</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>first tries right</source>
        <translation>beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 Aufgabe</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 Aufgaben</translation>
    </message>
    <message>
        <source>1 first try right</source>
        <translation>1 beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>%1 first tries right</source>
        <translation>%1 beim ersten Versuch richtig</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <comment>a day of the chart: its date, the problems, the first tries right</comment>
        <translation>%1: %2, %3</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>That is π × r; the circumference is π × the diameter, and the diameter is 2 × r.</source>
        <translation>Das ist π · r; der Umfang ist π · Durchmesser, und der Durchmesser ist 2 · r.</translation>
    </message>
    <message>
        <source>That is the area, π × r²; the circumference is the distance round the edge.</source>
        <translation>Das ist der Flächeninhalt, π · r²; der Umfang ist die Länge der Kreislinie.</translation>
    </message>
    <message>
        <source>The radius is already %1: you doubled it before using 2 × π × r.</source>
        <translation>Der Radius ist schon %1: Du hast ihn verdoppelt, bevor du 2 · π · r gerechnet hast.</translation>
    </message>
    <message>
        <source>That is the circumference, 2 × π × r; the area is π × r².</source>
        <translation>Das ist der Umfang, 2 · π · r; der Flächeninhalt ist π · r².</translation>
    </message>
    <message>
        <source>Square the radius: the area is π × r × r.</source>
        <translation>Quadriere den Radius: Der Flächeninhalt ist π · r · r.</translation>
    </message>
    <message>
        <source>You used the diameter; the area uses the radius, %1.</source>
        <translation>Du hast den Durchmesser genommen; für den Flächeninhalt brauchst du den Radius, %1.</translation>
    </message>
    <message>
        <source>Only the radius is squared, not π: the area is π × r × r.</source>
        <translation>Nur der Radius wird quadriert, nicht π: Der Flächeninhalt ist π · r · r.</translation>
    </message>
    <message>
        <source>That is the arc&apos;s length; the question asks for the sector&apos;s area.</source>
        <translation>Das ist die Länge des Kreisbogens; gefragt ist der Flächeninhalt des Kreisausschnitts.</translation>
    </message>
    <message>
        <source>You used the diameter; the formula uses the radius, %1.</source>
        <translation>Du hast den Durchmesser genommen; in die Formel gehört der Radius, %1.</translation>
    </message>
    <message>
        <source>The angle is in degrees, so take %3/360 of the circle (½ × r² × θ needs the angle in radians).</source>
        <translation>Der Winkel ist in Grad angegeben, also nimm %3/360 des Kreises (½ · r² · θ braucht den Winkel im Bogenmaß).</translation>
    </message>
    <message>
        <source>That is twice the sector: a full turn is 360°, and ½ × r² × θ needs its ½.</source>
        <translation>Das ist der doppelte Kreisausschnitt: Eine volle Drehung hat 360°, und bei ½ · r² · θ gehört das ½ dazu.</translation>
    </message>
    <message>
        <source>That is the whole circle; the sector is only %3/360 of it.</source>
        <translation>Das ist der ganze Kreis; der Kreisausschnitt ist nur %3/360 davon.</translation>
    </message>
    <message>
        <source>That is the rest of the circle; the sector is the part with the angle of %3°.</source>
        <translation>Das ist der Rest des Kreises; der Kreisausschnitt ist der Teil mit dem Winkel %3°.</translation>
    </message>
    <message>
        <source>That is one of the triangles; the hexagon is six of them.</source>
        <translation>Das ist eines der Dreiecke; das Sechseck besteht aus sechs davon.</translation>
    </message>
    <message>
        <source>A triangle&apos;s area is ½ × base × height: the ½ is missing.</source>
        <translation>Der Flächeninhalt eines Dreiecks ist ½ · Grundseite · Höhe: Das ½ fehlt.</translation>
    </message>
    <message>
        <source>The triangle&apos;s height is √3/2 × r, not r.</source>
        <translation>Die Höhe des Dreiecks ist √3/2 · r, nicht r.</translation>
    </message>
    <message>
        <source>That is the whole circle; the hexagon inside it is smaller.</source>
        <translation>Das ist der ganze Kreis; das Sechseck darin ist kleiner.</translation>
    </message>
    <message>
        <source>Each triangle&apos;s side is the radius, %1, not the diameter.</source>
        <translation>Jede Dreiecksseite ist so lang wie der Radius, %1, nicht wie der Durchmesser.</translation>
    </message>
    <message>
        <source>That is all six segments together; the question asks for one.</source>
        <translation>Das sind alle sechs Kreisabschnitte zusammen; gefragt ist nach einem.</translation>
    </message>
    <message>
        <source>That is a whole sector; take its triangle away to leave the segment.</source>
        <translation>Das ist ein ganzer Kreisausschnitt; zieh sein Dreieck ab, dann bleibt der Kreisabschnitt.</translation>
    </message>
    <message>
        <source>An area can&apos;t be negative: the triangle&apos;s area needs its ½.</source>
        <translation>Ein Flächeninhalt kann nicht negativ sein: Beim Dreieck gehört das ½ dazu.</translation>
    </message>
    <message>
        <source>Joining the longer sides makes them the seam; the shorter side, %3, goes round.</source>
        <translation>Die längeren Seiten werden zur Naht zusammengefügt; die kürzere Seite, %3, geht rundherum.</translation>
    </message>
    <message>
        <source>That is the diameter; the radius is half of it.</source>
        <translation>Das ist der Durchmesser; der Radius ist die Hälfte davon.</translation>
    </message>
    <message>
        <source>The side that goes round is the circumference, 2 × π × r.</source>
        <translation>Die Seite, die rundherum geht, ist der Umfang, 2 · π · r.</translation>
    </message>
    <message>
        <source>Count the paper once: rolling or bending it does not add area.</source>
        <translation>Zähle das Papier nur einmal: Durch Rollen oder Biegen kommt keine Fläche hinzu.</translation>
    </message>
    <message>
        <source>That is the perimeter, a length; the question asks for an area.</source>
        <translation>Das ist der Umfang, also eine Länge; gefragt ist ein Flächeninhalt.</translation>
    </message>
    <message>
        <source>For an area, multiply the sides.</source>
        <translation>Für einen Flächeninhalt multiplizierst du die Seiten.</translation>
    </message>
    <message>
        <source>The sides are not radii: the paper is not stretched, so its area stays the rectangle&apos;s.</source>
        <translation>Die Seiten sind keine Radien: Das Papier wird nicht gedehnt, also bleibt sein Flächeninhalt der des Rechtecks.</translation>
    </message>
    <message>
        <source>Follow the edge round: it runs along both long sides before it meets itself.</source>
        <translation>Fahre den Rand entlang: Er läuft an beiden langen Seiten entlang, bevor er wieder bei sich ankommt.</translation>
    </message>
    <message>
        <source>The shorter sides are the ones joined; the edge runs along the longer sides.</source>
        <translation>Zusammengefügt werden die kürzeren Seiten; der Rand läuft an den längeren Seiten entlang.</translation>
    </message>
    <message>
        <source>The joined sides are no longer part of the edge.</source>
        <translation>Die zusammengefügten Seiten gehören nicht mehr zum Rand.</translation>
    </message>
    <message>
        <source>The strip has one side, and it covers both faces of the paper: count both.</source>
        <translation>Das Band hat nur eine Seite, und sie bedeckt beide Seiten des Papiers: Zähle beide.</translation>
    </message>
    <message>
        <source>That is the sector that was cut away; the cone is made of what is left.</source>
        <translation>Das ist der herausgeschnittene Kreisausschnitt; der Kegel besteht aus dem Rest.</translation>
    </message>
    <message>
        <source>The removed sector is not part of the cone: take it away.</source>
        <translation>Der herausgeschnittene Kreisausschnitt gehört nicht zum Kegel: Zieh ihn ab.</translation>
    </message>
    <message>
        <source>That is the length of the cone&apos;s rim; the question asks for its area.</source>
        <translation>Das ist die Länge des Kegelrands; gefragt ist der Flächeninhalt.</translation>
    </message>
    <message>
        <source>The angle is in degrees: the cone keeps %6/360 of the disc (½ × r² × θ needs radians).</source>
        <translation>Der Winkel ist in Grad angegeben: Der Kegel behält %6/360 der Kreisscheibe (½ · r² · θ braucht das Bogenmaß).</translation>
    </message>
    <message>
        <source>So close — it looks like you used π = 3.14; use 3.14159, as the page says.</source>
        <translation>Fast! Es sieht so aus, als hättest du π = 3,14 genommen; nimm 3,14159, wie auf der Seite angegeben.</translation>
    </message>
    <message>
        <source>So close — it looks like you used π = 22/7; use 3.14159, as the page says.</source>
        <translation>Fast! Es sieht so aus, als hättest du π = 22/7 genommen; nimm 3,14159, wie auf der Seite angegeben.</translation>
    </message>
    <message>
        <source>So close — it looks like you used π = 3.142; use 3.14159, as the page says.</source>
        <translation>Fast! Es sieht so aus, als hättest du π = 3,142 genommen; nimm 3,14159, wie auf der Seite angegeben.</translation>
    </message>
    <message>
        <source>So close — √3 was rounded too early; keep all its digits until the end.</source>
        <translation>Fast! √3 wurde zu früh gerundet; rechne bis zum Schluss mit allen Stellen.</translation>
    </message>
    <message>
        <source>So close — give two decimal places, not one.</source>
        <translation>Fast! Gib zwei Nachkommastellen an, nicht nur eine.</translation>
    </message>
    <message>
        <source>So close — give two decimal places, not a whole number.</source>
        <translation>Fast! Gib zwei Nachkommastellen an, keine ganze Zahl.</translation>
    </message>
    <message>
        <source>So close — round the second decimal: round up when the third is 5 or more.</source>
        <translation>Fast! Runde die zweite Nachkommastelle: Aufrunden, wenn die dritte 5 oder mehr ist.</translation>
    </message>
    <message>
        <source>So close — π was rounded too early; use 3.14159, as the page says.</source>
        <translation>Fast! π wurde zu früh gerundet; nimm 3,14159, wie auf der Seite angegeben.</translation>
    </message>
    <message>
        <source>So close — use π = 3.14159, keep every digit to the end, then round to two decimal places.</source>
        <translation>Fast! Nimm π = 3,14159, rechne bis zum Schluss mit allen Stellen und runde erst dann auf zwei Nachkommastellen.</translation>
    </message>
    <message>
        <source>So close — keep every digit to the end, then round to two decimal places.</source>
        <translation>Fast! Rechne bis zum Schluss mit allen Stellen und runde erst dann auf zwei Nachkommastellen.</translation>
    </message>
    <message>
        <source>The circumference is 2 × π × r: twice π times the radius.</source>
        <translation>Der Umfang ist 2 · π · r: zweimal π mal der Radius.</translation>
    </message>
    <message>
        <source>Work out 2 × π × %1.</source>
        <translation>Rechne 2 · π · %1 aus.</translation>
    </message>
    <message>
        <source>The area of a circle is π × r²: π times the radius times the radius.</source>
        <translation>Der Flächeninhalt eines Kreises ist π · r²: π mal Radius mal Radius.</translation>
    </message>
    <message>
        <source>Work out π × %1 × %1.</source>
        <translation>Rechne π · %1 · %1 aus.</translation>
    </message>
    <message>
        <source>Work out π × %1² ÷ %2.</source>
        <translation>Rechne π · %1²&#xa0;:&#xa0;%2 aus.</translation>
    </message>
    <message>
        <source>The sector is θ/360 of the circle: π × r² × θ ÷ 360, with the angle θ in degrees.</source>
        <translation>Der Kreisausschnitt ist θ/360 des Kreises: π · r² · θ&#xa0;:&#xa0;360, mit dem Winkel θ in Grad.</translation>
    </message>
    <message>
        <source>Work out π × %1² × %3 ÷ 360.</source>
        <translation>Rechne π · %1² · %3&#xa0;:&#xa0;360 aus.</translation>
    </message>
    <message>
        <source>The hexagon is six triangles, each with base r and height √3/2 × r: 6 × ½ × r × (√3/2 × r).</source>
        <translation>Das Sechseck besteht aus sechs Dreiecken mit der Grundseite r und der Höhe √3/2 · r: 6 · ½ · r · (√3/2 · r).</translation>
    </message>
    <message>
        <source>Work out 6 × ½ × %1 × (√3/2 × %1).</source>
        <translation>Rechne 6 · ½ · %1 · (√3/2 · %1) aus.</translation>
    </message>
    <message>
        <source>A segment is a sector, π × r² ÷ 6, less one of the hexagon&apos;s triangles, ½ × r × (√3/2 × r).</source>
        <translation>Ein Kreisabschnitt ist ein Kreisausschnitt, π · r²&#xa0;:&#xa0;6, minus eines der Dreiecke des Sechsecks, ½ · r · (√3/2 · r).</translation>
    </message>
    <message>
        <source>Work out π × %1² ÷ 6 − ½ × %1 × (√3/2 × %1).</source>
        <translation>Rechne π · %1²&#xa0;:&#xa0;6 − ½ · %1 · (√3/2 · %1) aus.</translation>
    </message>
    <message>
        <source>The shorter side goes round the cylinder: it is the circumference 2 × π × r, so r = side ÷ (2 × π).</source>
        <translation>Die kürzere Seite geht um den Zylinder herum: Sie ist der Umfang 2 · π · r, also r = Seite&#xa0;:&#xa0;(2 · π).</translation>
    </message>
    <message>
        <source>Work out %3 ÷ (2 × π).</source>
        <translation>Rechne %3&#xa0;:&#xa0;(2 · π) aus.</translation>
    </message>
    <message>
        <source>Rolling the paper does not change its area: it is the rectangle&apos;s, one side times the other.</source>
        <translation>Durch das Rollen ändert sich der Flächeninhalt des Papiers nicht: Es ist der des Rechtecks, eine Seite mal die andere.</translation>
    </message>
    <message>
        <source>Work out %1 × %2.</source>
        <translation>Rechne %1 · %2 aus.</translation>
    </message>
    <message>
        <source>Bending the tube round into a torus does not stretch the paper: its area is the rectangle&apos;s, one side times the other.</source>
        <translation>Wenn man den Schlauch zu einem Torus biegt, wird das Papier nicht gedehnt: Sein Flächeninhalt ist der des Rechtecks, eine Seite mal die andere.</translation>
    </message>
    <message>
        <source>The strip&apos;s one edge runs along both longer sides before it meets itself: 2 × the longer side.</source>
        <translation>Der eine Rand des Bands läuft an beiden längeren Seiten entlang, bevor er wieder bei sich ankommt: 2 · die längere Seite.</translation>
    </message>
    <message>
        <source>Work out 2 × %4.</source>
        <translation>Rechne 2 · %4 aus.</translation>
    </message>
    <message>
        <source>The strip&apos;s one side covers both faces of the paper: 2 × one side × the other.</source>
        <translation>Die eine Seite des Bands umfasst beide Seiten des Papiers: 2 · eine Seite · die andere.</translation>
    </message>
    <message>
        <source>Work out 2 × %1 × %2.</source>
        <translation>Rechne 2 · %1 · %2 aus.</translation>
    </message>
    <message>
        <source>The cone is the disc less the removed sector: it keeps (360 − the cut angle)/360 of π × r².</source>
        <translation>Der Kegel ist die Kreisscheibe ohne den herausgeschnittenen Kreisausschnitt: Er behält (360 − Schnittwinkel)/360 von π · r².</translation>
    </message>
    <message>
        <source>Work out π × %1² × %6 ÷ 360.</source>
        <translation>Rechne π · %1² · %6&#xa0;:&#xa0;360 aus.</translation>
    </message>
    <message>
        <source>Press Answer to see the worked solution.</source>
        <translation>Klicke auf „Lösung“, um den Lösungsweg zu sehen.</translation>
    </message>
    <message>
        <source>The circumference is 2 × π × r: 2 × π × %1 = %7</source>
        <translation>Der Umfang ist 2 · π · r: 2 · π · %1 = %7</translation>
    </message>
    <message>
        <source>The area of a circle is π × r²: π × %1² = %7</source>
        <translation>Der Flächeninhalt eines Kreises ist π · r²: π · %1² = %7</translation>
    </message>
    <message>
        <source>The sector is %3/360 of the circle: π × %1² × %3 ÷ 360 = %7</source>
        <translation>Der Kreisausschnitt ist %3/360 des Kreises: π · %1² · %3&#xa0;:&#xa0;360 = %7</translation>
    </message>
    <message>
        <source>Six triangles, each ½ × %1 × (√3/2 × %1): 6 × ½ × %1 × (√3/2 × %1) = %7</source>
        <translation>Sechs Dreiecke, jedes ½ · %1 · (√3/2 · %1): 6 · ½ · %1 · (√3/2 · %1) = %7</translation>
    </message>
    <message>
        <source>A sector less its triangle: π × %1² ÷ 6 − ½ × %1 × (√3/2 × %1) = %7</source>
        <translation>Ein Kreisausschnitt minus sein Dreieck: π · %1²&#xa0;:&#xa0;6 − ½ · %1 · (√3/2 · %1) = %7</translation>
    </message>
    <message>
        <source>The shorter side goes round: %3 = 2 × π × r, so r = %3 ÷ (2 × π) = %7</source>
        <translation>Die kürzere Seite geht rundherum: %3 = 2 · π · r, also r = %3&#xa0;:&#xa0;(2 · π) = %7</translation>
    </message>
    <message>
        <source>Rolling the paper does not stretch it, so the area is the rectangle&apos;s: %1 × %2 = %7</source>
        <translation>Beim Rollen wird das Papier nicht gedehnt, also ist der Flächeninhalt der des Rechtecks: %1 · %2 = %7</translation>
    </message>
    <message>
        <source>Bending the paper into a torus does not stretch it, so the area is the rectangle&apos;s: %1 × %2 = %7</source>
        <translation>Beim Biegen zum Torus wird das Papier nicht gedehnt, also ist der Flächeninhalt der des Rechtecks: %1 · %2 = %7</translation>
    </message>
    <message>
        <source>The edge runs along both longer sides before it meets itself: 2 × %4 = %7</source>
        <translation>Der Rand läuft an beiden längeren Seiten entlang, bevor er wieder bei sich ankommt: 2 · %4 = %7</translation>
    </message>
    <message>
        <source>The strip&apos;s one side covers both faces of the paper, so its area is twice the rectangle&apos;s: 2 × %1 × %2 = %7</source>
        <translation>Die eine Seite des Bands umfasst beide Seiten des Papiers, also ist ihr Flächeninhalt doppelt so groß wie der des Rechtecks: 2 · %1 · %2 = %7</translation>
    </message>
    <message>
        <source>The cone keeps %6/360 of the disc: π × %1² × %6 ÷ 360 = %7</source>
        <translation>Der Kegel behält %6/360 der Kreisscheibe: π · %1² · %6&#xa0;:&#xa0;360 = %7</translation>
    </message>
    <message>
        <source>%1 Or perhaps: %2</source>
        <translation>%1 Oder vielleicht: %2</translation>
    </message>
    <message>
        <source>Type your answer as a number, with two decimal places.</source>
        <translation>Gib deine Antwort als Zahl mit zwei Nachkommastellen ein.</translation>
    </message>
    <message>
        <source>Write the decimals after a point, not a comma: the number stops at the comma.</source>
        <translation>Schreib die Nachkommastellen nach einem Punkt, nicht nach einem Komma: Die Zahl endet beim Komma.</translation>
    </message>
    <message>
        <source>Type the number only: multiply by π yourself, with the value the page gives.</source>
        <translation>Gib nur die Zahl ein: Multipliziere selbst mit π, mit dem Wert, den die Seite angibt.</translation>
    </message>
    <message>
        <source>The radius is already %1; you halved it as if it were the diameter.</source>
        <translation>Der Radius ist schon %1; du hast ihn halbiert, als wäre er der Durchmesser.</translation>
    </message>
    <message>
        <source>Square the radius: the area uses r × r.</source>
        <translation>Quadriere den Radius: Für den Flächeninhalt brauchst du r · r.</translation>
    </message>
    <message>
        <source>The area is π × r²: multiply by π as well.</source>
        <translation>Der Flächeninhalt ist π · r²: Multipliziere auch mit π.</translation>
    </message>
    <message>
        <source>That is the whole circle; the sector is 1/%2 of it.</source>
        <translation>Das ist der ganze Kreis; der Kreisausschnitt ist nur 1/%2 davon.</translation>
    </message>
    <message>
        <source>Here %2 says what part of the circle the sector is, 1/%2, not an angle in degrees.</source>
        <translation>Hier gibt %2 an, welcher Teil des Kreises der Kreisausschnitt ist, nämlich 1/%2; es ist kein Winkel in Grad.</translation>
    </message>
    <message>
        <source>The side that goes round is 2 × π × r, so divide it by 2 × π.</source>
        <translation>Die Seite, die rundherum geht, ist 2 · π · r, also teile sie durch 2 · π.</translation>
    </message>
    <message>
        <source>Leave out the thousands separator: the page does not read it as one.</source>
        <translation>Lass das Trennzeichen zwischen den Tausendern weg: Die Seite liest es nicht als solches.</translation>
    </message>
    <message>
        <source>An area can&apos;t be negative: drop the minus sign.</source>
        <translation>Ein Flächeninhalt kann nicht negativ sein: Lass das Minuszeichen weg.</translation>
    </message>
    <message>
        <source>A length can&apos;t be negative: drop the minus sign.</source>
        <translation>Eine Länge kann nicht negativ sein: Lass das Minuszeichen weg.</translation>
    </message>
    <message>
        <source>π × r, the 2 left out</source>
        <translation>π · r, die 2 vergessen</translation>
    </message>
    <message>
        <source>the area for the circumference</source>
        <translation>Flächeninhalt statt Umfang</translation>
    </message>
    <message>
        <source>the diameter used for the radius</source>
        <translation>Durchmesser statt Radius</translation>
    </message>
    <message>
        <source>the circumference for the area</source>
        <translation>Umfang statt Flächeninhalt</translation>
    </message>
    <message>
        <source>the radius not squared</source>
        <translation>Radius nicht quadriert</translation>
    </message>
    <message>
        <source>π squared with the radius</source>
        <translation>π mitquadriert</translation>
    </message>
    <message>
        <source>the radius halved as if a diameter</source>
        <translation>Radius halbiert wie ein Durchmesser</translation>
    </message>
    <message>
        <source>π left out</source>
        <translation>π vergessen</translation>
    </message>
    <message>
        <source>the whole circle</source>
        <translation>ganzer Kreis</translation>
    </message>
    <message>
        <source>the arc&apos;s length for the area</source>
        <translation>Bogenlänge statt Flächeninhalt</translation>
    </message>
    <message>
        <source>the fraction taken as an angle</source>
        <translation>Bruchteil als Winkel genommen</translation>
    </message>
    <message>
        <source>degrees used as radians</source>
        <translation>Grad als Bogenmaß genommen</translation>
    </message>
    <message>
        <source>twice the sector</source>
        <translation>doppelter Kreisausschnitt</translation>
    </message>
    <message>
        <source>the rest of the circle</source>
        <translation>Rest des Kreises</translation>
    </message>
    <message>
        <source>one triangle only</source>
        <translation>nur ein Dreieck</translation>
    </message>
    <message>
        <source>the triangle&apos;s ½ left out</source>
        <translation>½ beim Dreieck vergessen</translation>
    </message>
    <message>
        <source>the triangle&apos;s height taken as r</source>
        <translation>Dreieckshöhe als r genommen</translation>
    </message>
    <message>
        <source>all six segments</source>
        <translation>alle sechs Kreisabschnitte</translation>
    </message>
    <message>
        <source>the sector, its triangle not taken away</source>
        <translation>Kreisausschnitt, Dreieck nicht abgezogen</translation>
    </message>
    <message>
        <source>the longer side taken round</source>
        <translation>längere Seite rundherum genommen</translation>
    </message>
    <message>
        <source>the diameter for the radius</source>
        <translation>Durchmesser statt Radius</translation>
    </message>
    <message>
        <source>the side halved, π left out</source>
        <translation>Seite halbiert, π vergessen</translation>
    </message>
    <message>
        <source>the side multiplied by 2π</source>
        <translation>Seite mit 2π multipliziert</translation>
    </message>
    <message>
        <source>the paper counted twice</source>
        <translation>Papier doppelt gezählt</translation>
    </message>
    <message>
        <source>the perimeter for the area</source>
        <translation>Umfang statt Flächeninhalt</translation>
    </message>
    <message>
        <source>the sides added</source>
        <translation>Seiten addiert</translation>
    </message>
    <message>
        <source>the sides taken as radii</source>
        <translation>Seiten als Radien genommen</translation>
    </message>
    <message>
        <source>one long side only</source>
        <translation>nur eine lange Seite</translation>
    </message>
    <message>
        <source>the shorter sides</source>
        <translation>kürzere Seiten</translation>
    </message>
    <message>
        <source>the whole perimeter</source>
        <translation>ganzer Umfang</translation>
    </message>
    <message>
        <source>one face only</source>
        <translation>nur eine Seite des Papiers</translation>
    </message>
    <message>
        <source>the cut-away sector</source>
        <translation>herausgeschnittener Kreisausschnitt</translation>
    </message>
    <message>
        <source>the whole disc</source>
        <translation>ganze Kreisscheibe</translation>
    </message>
    <message>
        <source>the rim&apos;s length for the area</source>
        <translation>Randlänge statt Flächeninhalt</translation>
    </message>
    <message>
        <source>π taken as 3.14</source>
        <translation>π als 3,14 genommen</translation>
    </message>
    <message>
        <source>π taken as 22/7</source>
        <translation>π als 22/7 genommen</translation>
    </message>
    <message>
        <source>π taken as 3.142</source>
        <translation>π als 3,142 genommen</translation>
    </message>
    <message>
        <source>√3 taken as 1.73</source>
        <translation>√3 als 1,73 genommen</translation>
    </message>
    <message>
        <source>√3 taken as 1.732</source>
        <translation>√3 als 1,732 genommen</translation>
    </message>
    <message>
        <source>one decimal place only</source>
        <translation>nur eine Nachkommastelle</translation>
    </message>
    <message>
        <source>a whole number for two places</source>
        <translation>ganze Zahl statt zwei Nachkommastellen</translation>
    </message>
    <message>
        <source>the second decimal cut, not rounded</source>
        <translation>zweite Nachkommastelle abgeschnitten statt gerundet</translation>
    </message>
    <message>
        <source>rounded before the end</source>
        <translation>vor dem Schluss gerundet</translation>
    </message>
    <message>
        <source>no number typed</source>
        <translation>keine Zahl eingegeben</translation>
    </message>
    <message>
        <source>a decimal comma</source>
        <translation>Dezimalkomma</translation>
    </message>
    <message>
        <source>π typed after the number</source>
        <translation>π hinter die Zahl getippt</translation>
    </message>
    <message>
        <source>a thousands separator</source>
        <translation>Trennzeichen zwischen den Tausendern</translation>
    </message>
    <message>
        <source>a minus sign</source>
        <translation>Minuszeichen</translation>
    </message>
    <message>
        <source>The sector is 1/%2 of the circle: work out the circle&apos;s area, π × r², then divide it by %2.</source>
        <translation>Der Kreisausschnitt ist 1/%2 des Kreises: Berechne den Flächeninhalt des Kreises, π · r², und teile ihn dann durch %2.</translation>
    </message>
    <message>
        <source>The sector is 1/%2 of the circle: π × %1² ÷ %2 = %7</source>
        <translation>Der Kreisausschnitt ist 1/%2 des Kreises: π · %1²&#xa0;:&#xa0;%2 = %7</translation>
    </message>
</context>
<context>
    <name>LessonPage</name>
    <message>
        <source>Problems Page</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>MediaBar</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Schritt vor</translation>
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
        <translation>Vollbild</translation>
    </message>
</context>
<context>
    <name>ProblemPage</name>
    <message>
        <source>Check my answer</source>
        <translation>Meine Antwort prüfen</translation>
    </message>
    <message>
        <source>Next problem</source>
        <translation>Nächste Aufgabe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Open the Jotter</source>
        <translation>Notizblock öffnen</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Deine Antwort</translation>
    </message>
    <message>
        <source>Your answer should be correct to two decimal places. Approximate pi as 3.14159.</source>
        <translation>Gib deine Antwort auf zwei Nachkommastellen genau an. Rechne für π mit 3,14159.</translation>
    </message>
    <message>
        <source>You have mastered %1!</source>
        <translation>Du beherrschst jetzt: %1!</translation>
    </message>
    <message>
        <source>Ask your teacher to help you with %1 problems.</source>
        <translation>Bitte deine Lehrkraft um Hilfe bei den Aufgaben zu „%1“.</translation>
    </message>
    <message>
        <source>%1: practice</source>
        <translation>%1: Üben</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
</context>
<context>
    <name>StateStrip</name>
    <message>
        <source>Your progress on these kinds of problem</source>
        <translation>Dein Fortschritt bei diesen Aufgabenarten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <source>Title animation</source>
        <translation>Titelanimation</translation>
    </message>
    <message>
        <source>Geometry for secondary schools</source>
        <translation>Geometrie für die Sekundarstufe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Copyright © Vornash Learning. All rights reserved.</source>
        <translation>Copyright © Vornash Learning. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>circles</name>
    <message>
        <source>Circles</source>
        <translation>Kreise</translation>
    </message>
</context>
<context>
    <name>circles0</name>
    <message>
        <source>The area of a circle of radius r is     r².</source>
        <translation>Der Flächeninhalt eines Kreises mit dem Radius r ist     r².</translation>
    </message>
    <message>
        <source>The area of a sector of angle A radians of a circle of radius r is </source>
        <translation>Der Flächeninhalt eines Kreisausschnitts mit dem Mittelpunktswinkel A (im Bogenmaß) in einem Kreis mit dem Radius r ist </translation>
    </message>
    <message>
        <source>The area of the isosceles triangle formed by connecting the ends of a chord subtending an angle of A radians to the centre of a circle of radius r is</source>
        <translation>Verbindet man die Endpunkte einer Sehne mit dem Mittelpunkt eines Kreises mit dem Radius r und gehört zur Sehne der Mittelpunktswinkel A (im Bogenmaß), so hat das entstehende gleichschenklige Dreieck den Flächeninhalt</translation>
    </message>
    <message>
        <source>The area of a segment made by a chord subtending an angle of A radians is equal to the area of the corresponding sector minus the area of an isosceles triangle, which is</source>
        <translation>Der Flächeninhalt eines Kreisabschnitts, den eine Sehne mit dem Mittelpunktswinkel A (im Bogenmaß) abschneidet, ist gleich dem Flächeninhalt des zugehörigen Kreisausschnitts minus dem Flächeninhalt eines gleichschenkligen Dreiecks, also</translation>
    </message>
    <message>
        <source>radius r is</source>
        <translation>Radius r ist</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Kreise</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Kreisausschnitt</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Kreisabschnitt</translation>
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
        <translation>Papierfalten</translation>
    </message>
</context>
<context>
    <name>folding0</name>
    <message>
        <source>An open-ended cylinder can be constructed from a rectangle. If the rectangle is folded around until two opposite edges meet the result will be an open-ended cylinder. The area of the open-ended cylinder is the same as the area of the rectangle.</source>
        <translation>Aus einem Rechteck kann man einen offenen Zylinder bauen. Biegt man das Rechteck herum, bis zwei gegenüberliegende Seiten aufeinandertreffen, entsteht ein offener Zylinder. Der Flächeninhalt des offenen Zylinders ist genauso groß wie der Flächeninhalt des Rechtecks.</translation>
    </message>
    <message>
        <source>By folding a rectangle around until two opposite edges meet we can make an open-ended cylinder. If the cylinder is then folded until its two open ends meet the resulting shape is known as a torus.</source>
        <translation>Biegt man ein Rechteck herum, bis zwei gegenüberliegende Seiten aufeinandertreffen, erhält man einen offenen Zylinder. Biegt man diesen Zylinder dann, bis seine beiden offenen Enden aufeinandertreffen, so heißt die entstandene Form Torus.</translation>
    </message>
    <message>
        <source>A möbius strip can be constructed from a rectangle. If the rectangle is given a 180° twist before being folded around until two opposite edges meet, a möbius strip is produced. By twisting the rectangle, before joining its edges, both sides of the rectangle become joined, so the möbius strip has just one face with twice the area of the rectangle. It also has just one edge which is twice the length of the corresponding edge of the rectangle.</source>
        <translation>Aus einem Rechteck kann man ein Möbiusband bauen. Verdreht man das Rechteck um 180°, bevor man es herumbiegt, bis zwei gegenüberliegende Seiten aufeinandertreffen, entsteht ein Möbiusband. Durch das Verdrehen vor dem Zusammenfügen werden die beiden Seiten des Rechtecks miteinander verbunden. Das Möbiusband hat deshalb nur eine Seite, deren Flächeninhalt doppelt so groß ist wie der des Rechtecks. Es hat auch nur einen Rand, der doppelt so lang ist wie die entsprechende Seite des Rechtecks.</translation>
    </message>
    <message>
        <source>If we take a circle and remove a sector from it, then pull the two edges of the missing sector together, we can construct an open-ended cone. The area of the open-ended cone is the same as that of the circle minus the sector that has been removed.</source>
        <translation>Schneidet man aus einer Kreisscheibe einen Kreisausschnitt heraus und zieht dann die beiden Kanten des fehlenden Kreisausschnitts zusammen, erhält man einen offenen Kegel. Der Flächeninhalt des offenen Kegels ist genauso groß wie der der Kreisscheibe minus dem herausgeschnittenen Kreisausschnitt.</translation>
    </message>
    <message>
        <source>Paper Folding</source>
        <translation>Papierfalten</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Zylinder</translation>
    </message>
    <message>
        <source>Torus</source>
        <translation>Torus</translation>
    </message>
    <message>
        <source>Möbius Strip</source>
        <translation>Möbiusband</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Kegel</translation>
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
        <translation>Version 4.0.003</translation>
    </message>
    <message>
        <source>Vornash logo</source>
        <translation>Vornash-Logo</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Kreise</translation>
    </message>
    <message>
        <source>Disc Packing</source>
        <translation>Kreispackungen</translation>
    </message>
    <message>
        <source>Open the publisher&apos;s web site in your browser</source>
        <translation>Die Website des Verlags im Browser öffnen</translation>
    </message>
    <message>
        <source>© Vornash Learning</source>
        <translation>© Vornash Learning</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensionen</translation>
    </message>
    <message>
        <source>Surface Area</source>
        <translation>Oberflächeninhalt</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Paper Folding</source>
        <translation>Papierfalten</translation>
    </message>
    <message>
        <source>Sphere Packing</source>
        <translation>Kugelpackungen</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>Satz des Pythagoras</translation>
    </message>
    <message>
        <source>The Ellipse</source>
        <translation>Die Ellipse</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Animationsfolge</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mein Fortschritt</translation>
    </message>
    <message>
        <source>My Class</source>
        <translation>Meine Klasse</translation>
    </message>
</context>
<context>
    <name>jotter</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Dark cyan</source>
        <translation>Dunkeltürkis</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Dark magenta</source>
        <translation>Dunkelmagenta</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>jotter::notepad</name>
    <message>
        <source>Jotter</source>
        <translation>Notizblock</translation>
    </message>
    <message>
        <source>Close the Jotter and throw away what is on it</source>
        <translation>Notizblock schließen und alles darauf verwerfen</translation>
    </message>
    <message>
        <source>Write again in the colour used before erasing</source>
        <translation>Wieder in der Farbe schreiben, die vor dem Radieren gewählt war</translation>
    </message>
    <message>
        <source>Rub out with a wide pen</source>
        <translation>Mit einem breiten Stift radieren</translation>
    </message>
    <message>
        <source>Wipe the whole Jotter clean</source>
        <translation>Den ganzen Notizblock leeren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Radieren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Turn the Jotter tall (wipes it clean)</source>
        <translation>Notizblock hochkant stellen (leert ihn)</translation>
    </message>
    <message>
        <source>Turn the Jotter wide (wipes it clean)</source>
        <translation>Notizblock quer stellen (leert ihn)</translation>
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
        <translation>Meine Klasse</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Schüler/in</translation>
    </message>
    <message>
        <source>Needs help with</source>
        <translation>Braucht Hilfe bei</translation>
    </message>
    <message>
        <source>Most frequent slip</source>
        <translation>Häufigster Fehler</translation>
    </message>
    <message>
        <source>Last active</source>
        <translation>Zuletzt aktiv</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Kreise</translation>
    </message>
    <message>
        <source>Paper Folding</source>
        <translation>Papierfalten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pupils of your classes</source>
        <translation>Schülerinnen und Schüler Ihrer Klassen</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Save the checks of your classes&apos; pupils as a CSV file</source>
        <translation>Die geprüften Antworten der Schülerinnen und Schüler Ihrer Klassen als CSV-Datei speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>No class record is set up on this computer.</source>
        <translation>Auf diesem Computer ist kein Klassenprotokoll eingerichtet.</translation>
    </message>
    <message>
        <source>Reading the class record…</source>
        <translation>Das Klassenprotokoll wird gelesen …</translation>
    </message>
    <message>
        <source>The class&apos;s checks were saved in %1.</source>
        <translation>Die geprüften Antworten der Klasse wurden in %1 gespeichert.</translation>
    </message>
    <message>
        <source>The class&apos;s checks could not be saved in %1: %2</source>
        <translation>Die geprüften Antworten der Klasse konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>No pupils are in your classes yet.</source>
        <translation>In Ihren Klassen sind noch keine Schülerinnen und Schüler.</translation>
    </message>
    <message>
        <source>Pupils: %1. Needing help: %2. Read at %3.</source>
        <translation>Schülerinnen und Schüler: %1. Brauchen Hilfe: %2. Gelesen um %3.</translation>
    </message>
    <message>
        <source>The school&apos;s server did not answer (%1). The table is as read at %2.</source>
        <translation>Der Server der Schule hat nicht geantwortet (%1). Die Tabelle zeigt den Stand von %2.</translation>
    </message>
    <message>
        <source>The school&apos;s server did not answer (%1).</source>
        <translation>Der Server der Schule hat nicht geantwortet (%1).</translation>
    </message>
    <message>
        <source>Export the class&apos;s checks</source>
        <translation>Geprüfte Antworten der Klasse exportieren</translation>
    </message>
    <message>
        <source>my-class</source>
        <translation>meine-klasse</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Saving the class&apos;s checks…</source>
        <translation>Die geprüften Antworten der Klasse werden gespeichert …</translation>
    </message>
    <message>
        <source>The arrow keys move from cell to cell; Alt+S sorts by the column of the current cell, and again the other way round.</source>
        <translation>Die Pfeiltasten wechseln von Zelle zu Zelle; Alt+S sortiert nach der Spalte der aktuellen Zelle, ein zweites Mal in umgekehrter Reihenfolge.</translation>
    </message>
</context>
<context>
    <name>myprogress</name>
    <message>
        <source>My Progress</source>
        <translation>Mein Fortschritt</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Kreise</translation>
    </message>
    <message>
        <source>Paper Folding</source>
        <translation>Papierfalten</translation>
    </message>
    <message>
        <source>Practise weak spots</source>
        <translation>Schwächen üben</translation>
    </message>
    <message>
        <source>Problems of %1, the kinds you need most first</source>
        <translation>Aufgaben aus %1, zuerst die Arten, die du am meisten brauchst</translation>
    </message>
    <message>
        <source>Kinds of problem in %1</source>
        <translation>Aufgabenarten in %1</translation>
    </message>
    <message>
        <source>Kind of problem</source>
        <translation>Aufgabenart</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Last ten first tries</source>
        <translation>Erste Versuche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>The last 14 days</source>
        <translation>Die letzten 14 Tage</translation>
    </message>
    <message>
        <source>Your most frequent slips</source>
        <translation>Deine häufigsten Fehler</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren …</translation>
    </message>
    <message>
        <source>Save your checks as a CSV file</source>
        <translation>Deine Antworten als CSV-Datei speichern</translation>
    </message>
    <message>
        <source>Forget my record</source>
        <translation>Meine Daten löschen</translation>
    </message>
    <message>
        <source>Delete everything recorded about your work</source>
        <translation>Alles löschen, was über deine Arbeit gespeichert ist</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>My Progress: %1</source>
        <translation>Mein Fortschritt: %1</translation>
    </message>
    <message>
        <source>Nothing is recorded: the record is turned off.</source>
        <translation>Es wird nichts gespeichert: die Aufzeichnung ist ausgeschaltet.</translation>
    </message>
    <message>
        <source>%1: once</source>
        <translation>%1: einmal</translation>
    </message>
    <message>
        <source>%1: %2 times</source>
        <translation>%1: %2-mal</translation>
    </message>
    <message>
        <source>No slips so far.</source>
        <translation>Bisher keine Fehler.</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>noch keine</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>share of first tries right</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Export my record</source>
        <translation>Meine Daten exportieren</translation>
    </message>
    <message>
        <source>my-progress</source>
        <translation>mein-fortschritt</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Your record could not be written to %1.</source>
        <translation>Deine Daten konnten nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Your record could not be deleted.</source>
        <translation>Deine Daten konnten nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Delete everything recorded about your work? This cannot be undone.</source>
        <translation>Alles löschen, was über deine Arbeit gespeichert ist? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Suchen in:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Dateityp:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
</context>
<context>
    <name>problems</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>Richtig, gut gemacht!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Falsch, versuch es noch einmal</translation>
    </message>
    <message>
        <source>What is the circumference of a circle of radius%1?</source>
        <translation>Wie groß ist der Umfang eines Kreises mit dem Radius%1?</translation>
    </message>
    <message>
        <source>What is the area of a circle of radius%1?</source>
        <translation>Wie groß ist der Flächeninhalt eines Kreises mit dem Radius%1?</translation>
    </message>
    <message>
        <source>If a sector of a circle of radius%1 forms a%2th of a full circle, what is its area?</source>
        <translation>Ein Kreisausschnitt eines Kreises mit dem Radius%1 ist der%2. Teil des ganzen Kreises. Wie groß ist sein Flächeninhalt?</translation>
    </message>
    <message>
        <source>If a sector of a circle of radius%1 forms an angle of %2 degrees at the centre of the circle, what is its area?</source>
        <translation>Ein Kreisausschnitt eines Kreises mit dem Radius%1 hat den Mittelpunktswinkel%2°. Wie groß ist sein Flächeninhalt?</translation>
    </message>
    <message>
        <source>What is the area of a regular hexagon inscribed within a circle of radius%1?</source>
        <translation>Wie groß ist der Flächeninhalt eines regelmäßigen Sechsecks, das einem Kreis mit dem Radius%1 einbeschrieben ist?</translation>
    </message>
    <message>
        <source>If a regular hexagon is inscribed in a circle of radius%1. What is the area of each of the six segments outside the hexagon?</source>
        <translation>Einem Kreis mit dem Radius%1 ist ein regelmäßiges Sechseck einbeschrieben. Wie groß ist der Flächeninhalt jedes der sechs Kreisabschnitte außerhalb des Sechsecks?</translation>
    </message>
    <message>
        <source>If an open-ended cylinder is constructed by joining the longer sides of a rectangle whose sides have length%1 and%2. What is the radius of the cylinder?</source>
        <translation>Ein offener Zylinder entsteht, wenn man die längeren Seiten eines Rechtecks mit den Seitenlängen%1 und%2 zusammenfügt. Wie groß ist der Radius des Zylinders?</translation>
    </message>
    <message>
        <source>If an open-ended cylinder is constructed from a rectangle with sides of length%1 and%2. What is the area of the open-ended cylinder?</source>
        <translation>Aus einem Rechteck mit den Seitenlängen%1 und%2 wird ein offener Zylinder gebaut. Wie groß ist der Flächeninhalt des offenen Zylinders?</translation>
    </message>
    <message>
        <source>If a torus is constructed from a rectangle with sides of length%1 and%2. What is the area of the torus?</source>
        <translation>Aus einem Rechteck mit den Seitenlängen%1 und%2 wird ein Torus gebaut. Wie groß ist der Flächeninhalt des Torus?</translation>
    </message>
    <message>
        <source>If a mobius strip is constructed by joining the shorter sides of a rectangle whose sides have length%1 and%2. What is the length of the edge of the mobius strip?</source>
        <translation>Ein Möbiusband entsteht, wenn man die kürzeren Seiten eines Rechtecks mit den Seitenlängen%1 und%2 zusammenfügt. Wie lang ist der Rand des Möbiusbands?</translation>
    </message>
    <message>
        <source>If a mobius strip is constructed from a rectangle with sides of length%1 and%2. What is the area of the mobius strip?</source>
        <translation>Aus einem Rechteck mit den Seitenlängen%1 und%2 wird ein Möbiusband gebaut. Wie groß ist der Flächeninhalt des Möbiusbands?</translation>
    </message>
    <message>
        <source>If an open-ended cone is constructed from a disc of radius%1 with a sector of angle%2° removed. What is the area of the open-ended cone?</source>
        <translation>Aus einer Kreisscheibe mit dem Radius%1 wird ein Kreisausschnitt mit dem Winkel%2° herausgeschnitten und daraus ein offener Kegel gebaut. Wie groß ist der Flächeninhalt des offenen Kegels?</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>Sent to the class record</source>
        <translation>An das Klassenprotokoll gesendet</translation>
    </message>
    <message>
        <source>Waiting for the school&apos;s server: one answer kept on this computer</source>
        <translation>Warten auf den Server der Schule: eine Antwort ist auf diesem Computer gespeichert</translation>
    </message>
    <message numerus="yes">
        <source>Waiting for the school&apos;s server: %n answers kept on this computer</source>
        <translation>
            <numerusform>Warten auf den Server der Schule: %n Antwort ist auf diesem Computer gespeichert</numerusform>
            <numerusform>Warten auf den Server der Schule: %n Antworten sind auf diesem Computer gespeichert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers could not be written to the record yet; they are kept and tried again.</source>
        <translation>
            <numerusform>%n Antwort konnte noch nicht gespeichert werden; sie wird aufbewahrt und erneut versucht.</numerusform>
            <numerusform>%n Antworten konnten noch nicht gespeichert werden; sie werden aufbewahrt und erneut versucht.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record was damaged: it was moved aside as %1, and a new record was started.</source>
        <translation>Die Aufzeichnung war beschädigt: Sie wurde als %1 beiseitegelegt, und eine neue wurde begonnen.</translation>
    </message>
    <message>
        <source>Your record was damaged: it was kept as %1, and a new one was started.</source>
        <translation>Deine Aufzeichnung war beschädigt: Sie wurde als %1 aufbewahrt, und eine neue wurde begonnen.</translation>
    </message>
    <message>
        <source>Circumference</source>
        <translation>Kreisumfang</translation>
    </message>
    <message>
        <source>Area of a circle</source>
        <translation>Kreisfläche</translation>
    </message>
    <message>
        <source>Sector as a fraction</source>
        <translation>Sektor als Bruchteil</translation>
    </message>
    <message>
        <source>Sector by its angle</source>
        <translation>Sektor aus dem Winkel</translation>
    </message>
    <message>
        <source>Inscribed hexagon</source>
        <translation>Einbeschriebenes Sechseck</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Kreisabschnitt</translation>
    </message>
    <message>
        <source>Cylinder&apos;s radius</source>
        <translation>Radius des Zylinders</translation>
    </message>
    <message>
        <source>Cylinder&apos;s area</source>
        <translation>Oberfläche des Zylinders</translation>
    </message>
    <message>
        <source>Torus&apos;s area</source>
        <translation>Oberfläche des Torus</translation>
    </message>
    <message>
        <source>Möbius strip&apos;s edge</source>
        <translation>Rand des Möbiusbands</translation>
    </message>
    <message>
        <source>Möbius strip&apos;s area</source>
        <translation>Fläche des Möbiusbands</translation>
    </message>
    <message>
        <source>Cone&apos;s area</source>
        <translation>Oberfläche des Kegels</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Nicht begonnen</translation>
    </message>
    <message>
        <source>Practising</source>
        <translation>Am Üben</translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation>Beherrscht</translation>
    </message>
    <message>
        <source>Needs help</source>
        <translation>Braucht Hilfe</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Nothing is recorded in %1: Qt&apos;s SQLite driver (libqt6sql6-sqlite) is not installed.</source>
        <translation>In %1 wird nichts gespeichert: Der SQLite-Treiber von Qt (libqt6sql6-sqlite) ist nicht installiert.</translation>
    </message>
    <message>
        <source>Nothing is recorded: the folder %1 cannot be made.</source>
        <translation>Es wird nichts gespeichert: Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Nothing is recorded: %1 cannot be written.</source>
        <translation>Es wird nichts gespeichert: In %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Nothing has been recorded yet in %1.</source>
        <translation>In %1 ist noch nichts gespeichert.</translation>
    </message>
    <message>
        <source>Nothing is recorded: %1 is not a database file.</source>
        <translation>Es wird nichts gespeichert: %1 ist keine Datenbankdatei.</translation>
    </message>
    <message>
        <source>Nothing is recorded: %1 is damaged and cannot be moved aside.</source>
        <translation>Es wird nichts gespeichert: %1 ist beschädigt und kann nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>Nothing can be read from %1: the file is damaged.</source>
        <translation>Aus %1 kann nichts gelesen werden: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>Nothing is recorded: %1 cannot be opened.</source>
        <translation>Es wird nichts gespeichert: %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the program: it is shown, but nothing is added to it.</source>
        <translation>%1 wurde von einer neueren Version des Programms geschrieben: Es wird angezeigt, aber nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Nothing is recorded: the disk that holds %1 is full.</source>
        <translation>Es wird nichts gespeichert: Der Datenträger mit %1 ist voll.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Nothing is recorded: the program was started with --no-record.</source>
        <translation>Es wird nichts gespeichert: Das Programm wurde mit --no-record gestartet.</translation>
    </message>
    <message>
        <source>Nothing is recorded: recording is turned off on this computer (%1).</source>
        <translation>Es wird nichts gespeichert: Die Aufzeichnung ist auf diesem Computer ausgeschaltet (%1).</translation>
    </message>
</context>
</TS>
