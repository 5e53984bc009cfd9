<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <source>a circle of radius r cut into thin sectors laid side by side</source>
        <translation>ein Kreis mit dem Radius r, in schmale Kreisausschnitte zerschnitten und nebeneinandergelegt</translation>
    </message>
    <message>
        <source>a point going round a circle above an isosceles triangle formed by two radii</source>
        <translation>ein Punkt, der auf einem Kreis über einem gleichschenkligen Dreieck aus zwei Radien umläuft</translation>
    </message>
    <message>
        <source>a regular hexagon inscribed in a circle, one sector marked</source>
        <translation>ein regelmäßiges Sechseck, einem Kreis einbeschrieben, ein Kreisausschnitt markiert</translation>
    </message>
    <message>
        <source>a rectangle rolled into an open-ended cylinder</source>
        <translation>ein Rechteck, zu einem offenen Zylinder gerollt</translation>
    </message>
    <message>
        <source>a tube bent round and joined into a torus</source>
        <translation>ein Schlauch, rundgebogen und zu einem Torus zusammengefügt</translation>
    </message>
    <message>
        <source>a strip given a half twist and joined into a mobius strip</source>
        <translation>ein Streifen, um eine halbe Drehung verdreht und zu einem Möbiusband zusammengefügt</translation>
    </message>
    <message>
        <source>a disc with a sector removed closing into a cone</source>
        <translation>eine Kreisscheibe ohne einen Kreisausschnitt, die sich zu einem Kegel schließt</translation>
    </message>
    <message>
        <source>Animation of %1</source>
        <translation>Animation: %1</translation>
    </message>
    <message>
        <source>Animation of the shape in the question</source>
        <translation>Animation der Figur aus der Aufgabe</translation>
    </message>
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
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <source>Title animation</source>
        <translation>Titelanimation</translation>
    </message>
    <message>
        <source>A cone is folded from a disc and turns slowly.</source>
        <translation>Aus einer Kreisscheibe wird ein Kegel gefaltet, der sich langsam dreht.</translation>
    </message>
    <message>
        <source>Vornash 3</source>
        <translation>Vornash 3</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>Demo</translation>
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
        <source>A circle of radius r whose area is shown filling up.</source>
        <translation>Ein Kreis mit dem Radius r, dessen Fläche sich nach und nach füllt.</translation>
    </message>
    <message>
        <source>The area of a sector of angle A radians of a circle of radius r is </source>
        <translation>Der Flächeninhalt eines Kreisausschnitts mit dem Mittelpunktswinkel A (im Bogenmaß) in einem Kreis mit dem Radius r ist </translation>
    </message>
    <message>
        <source>A sector of angle A cut from a circle of radius r.</source>
        <translation>Ein Kreisausschnitt mit dem Winkel A aus einem Kreis mit dem Radius r.</translation>
    </message>
    <message>
        <source>The area of the isosceles triangle formed by connecting the ends of a chord subtending an angle of A radians to the centre of a circle of radius r is</source>
        <translation>Verbindet man die Endpunkte einer Sehne mit dem Mittelpunkt eines Kreises mit dem Radius r und gehört zur Sehne der Mittelpunktswinkel A (im Bogenmaß), so hat das entstehende gleichschenklige Dreieck den Flächeninhalt</translation>
    </message>
    <message>
        <source>The isosceles triangle formed by a chord and the two radii to its ends.</source>
        <translation>Das gleichschenklige Dreieck aus einer Sehne und den beiden Radien zu ihren Endpunkten.</translation>
    </message>
    <message>
        <source>The area of a segment made by a chord subtending an angle of A radians is equal to the area of the corresponding sector minus the area of an isosceles triangle, which is</source>
        <translation>Der Flächeninhalt eines Kreisabschnitts, den eine Sehne mit dem Mittelpunktswinkel A (im Bogenmaß) abschneidet, ist gleich dem Flächeninhalt des zugehörigen Kreisausschnitts minus dem Flächeninhalt eines gleichschenkligen Dreiecks, also</translation>
    </message>
    <message>
        <source>A segment: the sector with the triangle under its chord taken away.</source>
        <translation>Ein Kreisabschnitt: der Kreisausschnitt ohne das Dreieck unter seiner Sehne.</translation>
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
        <source>A rectangle folded round until two opposite edges meet, making a cylinder.</source>
        <translation>Ein Rechteck wird herumgebogen, bis zwei gegenüberliegende Seiten aufeinandertreffen, und wird so zum Zylinder.</translation>
    </message>
    <message>
        <source>By folding a rectangle around until two opposite edges meet we can make an open-ended cylinder. If the cylinder is then folded until its two open ends meet the resulting shape is known as a torus.</source>
        <translation>Biegt man ein Rechteck herum, bis zwei gegenüberliegende Seiten aufeinandertreffen, erhält man einen offenen Zylinder. Biegt man diesen Zylinder dann, bis seine beiden offenen Enden aufeinandertreffen, so heißt die entstandene Form Torus.</translation>
    </message>
    <message>
        <source>A cylinder bent round until its two open ends meet, making a torus.</source>
        <translation>Ein Zylinder wird gebogen, bis seine beiden offenen Enden aufeinandertreffen, und wird so zum Torus.</translation>
    </message>
    <message>
        <source>A möbius strip can be constructed from a rectangle. If the rectangle is given a 180° twist before being folded around until two opposite edges meet, a möbius strip is produced. By twisting the rectangle, before joining its edges, both sides of the rectangle become joined, so the möbius strip has just one face with twice the area of the rectangle. It also has just one edge which is twice the length of the corresponding edge of the rectangle.</source>
        <translation>Aus einem Rechteck kann man ein Möbiusband bauen. Verdreht man das Rechteck um 180°, bevor man es herumbiegt, bis zwei gegenüberliegende Seiten aufeinandertreffen, entsteht ein Möbiusband. Durch das Verdrehen vor dem Zusammenfügen werden die beiden Seiten des Rechtecks miteinander verbunden. Das Möbiusband hat deshalb nur eine Seite, deren Flächeninhalt doppelt so groß ist wie der des Rechtecks. Es hat auch nur einen Rand, der doppelt so lang ist wie die entsprechende Seite des Rechtecks.</translation>
    </message>
    <message>
        <source>A rectangle given a half twist and joined at its ends, making a Möbius strip.</source>
        <translation>Ein Rechteck wird um eine halbe Drehung verdreht und an den Enden zusammengefügt und wird so zum Möbiusband.</translation>
    </message>
    <message>
        <source>If we take a circle and remove a sector from it, then pull the two edges of the missing sector together, we can construct an open-ended cone. The area of the open-ended cone is the same as that of the circle minus the sector that has been removed.</source>
        <translation>Schneidet man aus einer Kreisscheibe einen Kreisausschnitt heraus und zieht dann die beiden Kanten des fehlenden Kreisausschnitts zusammen, erhält man einen offenen Kegel. Der Flächeninhalt des offenen Kegels ist genauso groß wie der der Kreisscheibe minus dem herausgeschnittenen Kreisausschnitt.</translation>
    </message>
    <message>
        <source>A circle with a sector removed, its cut edges pulled together into a cone.</source>
        <translation>Eine Kreisscheibe ohne einen Kreisausschnitt, deren Schnittkanten zu einem Kegel zusammengezogen werden.</translation>
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
        <source>Vornash 3 Demo</source>
        <translation>Vornash 3 Demo</translation>
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
</TS>
