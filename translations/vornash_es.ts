<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Animation</name>
    <message>
        <source>A cone is folded from a disc and turns slowly.</source>
        <translation>Un cono se pliega a partir de un círculo y gira lentamente.</translation>
    </message>
    <message>
        <source>A circle of radius r cut into thin sectors, which laid side by side make nearly a rectangle πr long and r high.</source>
        <translation>Un círculo de radio r cortado en sectores finos que, colocados uno junto a otro, forman casi un rectángulo de πr de largo y r de alto.</translation>
    </message>
    <message>
        <source>A sector of angle A opening in a circle of radius r, over the regular hexagon inscribed in the circle.</source>
        <translation>Un sector de ángulo A que se abre en un círculo de radio r, sobre el hexágono regular inscrito en la circunferencia.</translation>
    </message>
    <message>
        <source>The isosceles triangle formed by a chord and the two radii to its ends.</source>
        <translation>El triángulo isósceles formado por una cuerda y los dos radios que llegan a sus extremos.</translation>
    </message>
    <message>
        <source>A segment: the sector with the triangle under its chord taken away.</source>
        <translation>Un segmento circular: el sector sin el triángulo que queda bajo su cuerda.</translation>
    </message>
    <message>
        <source>A rectangle folded round until two opposite edges meet, making a cylinder.</source>
        <translation>Un rectángulo enrollado hasta que se unen dos lados opuestos, formando un cilindro.</translation>
    </message>
    <message>
        <source>A cylinder bent round until its two open ends meet, making a torus.</source>
        <translation>Un cilindro curvado hasta que se unen sus dos extremos abiertos, formando un toro.</translation>
    </message>
    <message>
        <source>A rectangle given a half twist and joined at its ends, making a Möbius strip.</source>
        <translation>Un rectángulo con medio giro unido por sus extremos, formando una banda de Möbius.</translation>
    </message>
    <message>
        <source>A circle with a sector removed, its cut edges pulled together into a cone.</source>
        <translation>Un círculo al que se ha quitado un sector, con los bordes del corte unidos hasta formar un cono.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show these options and exit.</source>
        <translation>Muestra estas opciones y termina.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Muestra la versión del programa y termina.</translation>
    </message>
    <message>
        <source>cannot open the display %1: no display server answers there, or this user may not use it.</source>
        <translation>no se puede abrir la pantalla %1: ningún servidor gráfico responde allí, o este usuario no puede usarlo.</translation>
    </message>
    <message>
        <source>Check the %1 variable, or run it under a virtual display: %2</source>
        <translation>Compruebe la variable %1, o ejecute el programa en una pantalla virtual: %2</translation>
    </message>
    <message>
        <source>geometry lessons and problems on circles and paper folding.</source>
        <translation>lecciones y problemas de geometría sobre círculos y plegado de papel.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>Try &apos;vornash --help&apos; for the options it takes.</source>
        <translation>«vornash --help» muestra las opciones que admite.</translation>
    </message>
    <message>
        <source>there is no display to show the program on.</source>
        <translation>no hay ninguna pantalla donde mostrar el programa.</translation>
    </message>
    <message>
        <source>Run it on a desktop, or under a virtual display: %1</source>
        <translation>Ejecútelo en un escritorio, o en una pantalla virtual: %1</translation>
    </message>
    <message>
        <source>Record nothing of the pupil&apos;s answers in this run.</source>
        <translation>No registra ninguna respuesta del alumno en esta sesión.</translation>
    </message>
    <message>
        <source>Write the pupil&apos;s checks to FILE as CSV and exit.</source>
        <translation>Escribe las respuestas comprobadas del alumno en FILE como CSV y termina.</translation>
    </message>
    <message>
        <source>Open a teacher&apos;s class page.</source>
        <translation>Abre la página de clase de un profesor.</translation>
    </message>
    <message>
        <source>Write a teacher&apos;s pupils&apos; checks to FILE as CSV and exit.</source>
        <translation>Escribe las respuestas comprobadas de los alumnos de un profesor en FILE como CSV y termina.</translation>
    </message>
    <message>
        <source>Use the libpq service SERVICE for the class record, for this run.</source>
        <translation>Usa el servicio libpq SERVICE para el registro de la clase en esta sesión.</translation>
    </message>
    <message>
        <source>no class record is set up on this computer ([classroom] service).</source>
        <translation>no hay ningún registro de clase configurado en este ordenador ([classroom] service).</translation>
    </message>
    <message>
        <source>the school&apos;s server did not answer: %1</source>
        <translation>el servidor del centro no ha respondido: %1</translation>
    </message>
    <message>
        <source>the class record is for teachers, and this account is not one.</source>
        <translation>el registro de la clase es para profesores, y esta cuenta no es de uno.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>DaysChart</name>
    <message>
        <source>Problems done in the last 14 days</source>
        <translation>Problemas hechos en los últimos 14 días</translation>
    </message>
    <message>
        <source>problems</source>
        <translation>problemas</translation>
    </message>
    <message>
        <source>first tries right</source>
        <translation>bien al primer intento</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 problema</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problemas</translation>
    </message>
    <message>
        <source>1 first try right</source>
        <translation>1 bien al primer intento</translation>
    </message>
    <message>
        <source>%1 first tries right</source>
        <translation>%1 bien al primer intento</translation>
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
        <translation>Eso es π × r; la longitud de la circunferencia es π × el diámetro, y el diámetro es 2 × r.</translation>
    </message>
    <message>
        <source>That is the area, π × r²; the circumference is the distance round the edge.</source>
        <translation>Eso es el área, π × r²; la longitud de la circunferencia es lo que mide su borde.</translation>
    </message>
    <message>
        <source>The radius is already %1: you doubled it before using 2 × π × r.</source>
        <translation>El radio ya es %1: lo has duplicado antes de usar 2 × π × r.</translation>
    </message>
    <message>
        <source>That is the circumference, 2 × π × r; the area is π × r².</source>
        <translation>Eso es la longitud de la circunferencia, 2 × π × r; el área es π × r².</translation>
    </message>
    <message>
        <source>Square the radius: the area is π × r × r.</source>
        <translation>Eleva el radio al cuadrado: el área es π × r × r.</translation>
    </message>
    <message>
        <source>You used the diameter; the area uses the radius, %1.</source>
        <translation>Has usado el diámetro; el área se calcula con el radio, %1.</translation>
    </message>
    <message>
        <source>Only the radius is squared, not π: the area is π × r × r.</source>
        <translation>Solo el radio va al cuadrado, no π: el área es π × r × r.</translation>
    </message>
    <message>
        <source>That is the arc&apos;s length; the question asks for the sector&apos;s area.</source>
        <translation>Eso es la longitud del arco; la pregunta pide el área del sector.</translation>
    </message>
    <message>
        <source>You used the diameter; the formula uses the radius, %1.</source>
        <translation>Has usado el diámetro; la fórmula usa el radio, %1.</translation>
    </message>
    <message>
        <source>The angle is in degrees, so take %3/360 of the circle (½ × r² × θ needs the angle in radians).</source>
        <translation>El ángulo está en grados, así que toma %3/360 del círculo (½ × r² × θ necesita el ángulo en radianes).</translation>
    </message>
    <message>
        <source>That is twice the sector: a full turn is 360°, and ½ × r² × θ needs its ½.</source>
        <translation>Eso es el doble del sector: una vuelta completa son 360°, y ½ × r² × θ necesita su ½.</translation>
    </message>
    <message>
        <source>That is the whole circle; the sector is only %3/360 of it.</source>
        <translation>Eso es el círculo entero; el sector es solo %3/360 de él.</translation>
    </message>
    <message>
        <source>That is the rest of the circle; the sector is the part with the angle of %3°.</source>
        <translation>Eso es el resto del círculo; el sector es la parte con el ángulo de %3°.</translation>
    </message>
    <message>
        <source>That is one of the triangles; the hexagon is six of them.</source>
        <translation>Eso es uno de los triángulos; el hexágono está formado por seis.</translation>
    </message>
    <message>
        <source>A triangle&apos;s area is ½ × base × height: the ½ is missing.</source>
        <translation>El área de un triángulo es ½ × base × altura: falta el ½.</translation>
    </message>
    <message>
        <source>The triangle&apos;s height is √3/2 × r, not r.</source>
        <translation>La altura del triángulo es √3/2 × r, no r.</translation>
    </message>
    <message>
        <source>That is the whole circle; the hexagon inside it is smaller.</source>
        <translation>Eso es el círculo entero; el hexágono que hay dentro es más pequeño.</translation>
    </message>
    <message>
        <source>Each triangle&apos;s side is the radius, %1, not the diameter.</source>
        <translation>Cada lado de los triángulos mide el radio, %1, no el diámetro.</translation>
    </message>
    <message>
        <source>That is all six segments together; the question asks for one.</source>
        <translation>Eso son los seis segmentos juntos; la pregunta pide solo uno.</translation>
    </message>
    <message>
        <source>That is a whole sector; take its triangle away to leave the segment.</source>
        <translation>Eso es un sector entero; quítale su triángulo y queda el segmento.</translation>
    </message>
    <message>
        <source>An area can&apos;t be negative: the triangle&apos;s area needs its ½.</source>
        <translation>Un área no puede ser negativa: el área del triángulo necesita su ½.</translation>
    </message>
    <message>
        <source>Joining the longer sides makes them the seam; the shorter side, %3, goes round.</source>
        <translation>Al unir los lados mayores, estos forman la costura; el lado menor, %3, es el que da la vuelta.</translation>
    </message>
    <message>
        <source>That is the diameter; the radius is half of it.</source>
        <translation>Eso es el diámetro; el radio es la mitad.</translation>
    </message>
    <message>
        <source>The side that goes round is the circumference, 2 × π × r.</source>
        <translation>El lado que da la vuelta es la longitud de la circunferencia, 2 × π × r.</translation>
    </message>
    <message>
        <source>Count the paper once: rolling or bending it does not add area.</source>
        <translation>Cuenta el papel una sola vez: enrollarlo o curvarlo no añade área.</translation>
    </message>
    <message>
        <source>That is the perimeter, a length; the question asks for an area.</source>
        <translation>Eso es el perímetro, una longitud; la pregunta pide un área.</translation>
    </message>
    <message>
        <source>For an area, multiply the sides.</source>
        <translation>Para un área, multiplica los lados.</translation>
    </message>
    <message>
        <source>The sides are not radii: the paper is not stretched, so its area stays the rectangle&apos;s.</source>
        <translation>Los lados no son radios: el papel no se estira, así que su área sigue siendo la del rectángulo.</translation>
    </message>
    <message>
        <source>Follow the edge round: it runs along both long sides before it meets itself.</source>
        <translation>Recorre el borde: pasa por los dos lados largos antes de volver a unirse.</translation>
    </message>
    <message>
        <source>The shorter sides are the ones joined; the edge runs along the longer sides.</source>
        <translation>Los lados que se unen son los menores; el borde recorre los lados mayores.</translation>
    </message>
    <message>
        <source>The joined sides are no longer part of the edge.</source>
        <translation>Los lados unidos ya no forman parte del borde.</translation>
    </message>
    <message>
        <source>The strip has one side, and it covers both faces of the paper: count both.</source>
        <translation>La banda tiene una sola cara, que cubre las dos caras del papel: cuenta las dos.</translation>
    </message>
    <message>
        <source>That is the sector that was cut away; the cone is made of what is left.</source>
        <translation>Eso es el sector que se ha recortado; el cono se hace con lo que queda.</translation>
    </message>
    <message>
        <source>The removed sector is not part of the cone: take it away.</source>
        <translation>El sector quitado no forma parte del cono: réstalo.</translation>
    </message>
    <message>
        <source>That is the length of the cone&apos;s rim; the question asks for its area.</source>
        <translation>Eso es la longitud del borde del cono; la pregunta pide su área.</translation>
    </message>
    <message>
        <source>The angle is in degrees: the cone keeps %6/360 of the disc (½ × r² × θ needs radians).</source>
        <translation>El ángulo está en grados: el cono conserva %6/360 del círculo (½ × r² × θ necesita radianes).</translation>
    </message>
    <message>
        <source>So close — it looks like you used π = 3.14; use 3.14159, as the page says.</source>
        <translation>¡Casi! Parece que has usado π = 3,14; usa 3,14159, como dice la página.</translation>
    </message>
    <message>
        <source>So close — it looks like you used π = 22/7; use 3.14159, as the page says.</source>
        <translation>¡Casi! Parece que has usado π = 22/7; usa 3,14159, como dice la página.</translation>
    </message>
    <message>
        <source>So close — it looks like you used π = 3.142; use 3.14159, as the page says.</source>
        <translation>¡Casi! Parece que has usado π = 3,142; usa 3,14159, como dice la página.</translation>
    </message>
    <message>
        <source>So close — √3 was rounded too early; keep all its digits until the end.</source>
        <translation>¡Casi! √3 se ha redondeado demasiado pronto; conserva todas sus cifras hasta el final.</translation>
    </message>
    <message>
        <source>So close — give two decimal places, not one.</source>
        <translation>¡Casi! Da dos decimales, no uno.</translation>
    </message>
    <message>
        <source>So close — give two decimal places, not a whole number.</source>
        <translation>¡Casi! Da dos decimales, no un número entero.</translation>
    </message>
    <message>
        <source>So close — round the second decimal: round up when the third is 5 or more.</source>
        <translation>¡Casi! Redondea el segundo decimal: hacia arriba cuando el tercero es 5 o más.</translation>
    </message>
    <message>
        <source>So close — π was rounded too early; use 3.14159, as the page says.</source>
        <translation>¡Casi! π se ha redondeado demasiado pronto; usa 3,14159, como dice la página.</translation>
    </message>
    <message>
        <source>So close — use π = 3.14159, keep every digit to the end, then round to two decimal places.</source>
        <translation>¡Casi! Usa π = 3,14159, conserva todas las cifras hasta el final y luego redondea a las centésimas.</translation>
    </message>
    <message>
        <source>So close — keep every digit to the end, then round to two decimal places.</source>
        <translation>¡Casi! Conserva todas las cifras hasta el final y luego redondea a las centésimas.</translation>
    </message>
    <message>
        <source>The circumference is 2 × π × r: twice π times the radius.</source>
        <translation>La longitud de la circunferencia es 2 × π × r: dos veces π por el radio.</translation>
    </message>
    <message>
        <source>Work out 2 × π × %1.</source>
        <translation>Calcula 2 × π × %1.</translation>
    </message>
    <message>
        <source>The area of a circle is π × r²: π times the radius times the radius.</source>
        <translation>El área de un círculo es π × r²: π por el radio por el radio.</translation>
    </message>
    <message>
        <source>Work out π × %1 × %1.</source>
        <translation>Calcula π × %1 × %1.</translation>
    </message>
    <message>
        <source>Work out π × %1² ÷ %2.</source>
        <translation>Calcula π × %1² ÷ %2.</translation>
    </message>
    <message>
        <source>The sector is θ/360 of the circle: π × r² × θ ÷ 360, with the angle θ in degrees.</source>
        <translation>El sector es θ/360 del círculo: π × r² × θ ÷ 360, con el ángulo θ en grados.</translation>
    </message>
    <message>
        <source>Work out π × %1² × %3 ÷ 360.</source>
        <translation>Calcula π × %1² × %3 ÷ 360.</translation>
    </message>
    <message>
        <source>The hexagon is six triangles, each with base r and height √3/2 × r: 6 × ½ × r × (√3/2 × r).</source>
        <translation>El hexágono está formado por seis triángulos de base r y altura √3/2 × r: 6 × ½ × r × (√3/2 × r).</translation>
    </message>
    <message>
        <source>Work out 6 × ½ × %1 × (√3/2 × %1).</source>
        <translation>Calcula 6 × ½ × %1 × (√3/2 × %1).</translation>
    </message>
    <message>
        <source>A segment is a sector, π × r² ÷ 6, less one of the hexagon&apos;s triangles, ½ × r × (√3/2 × r).</source>
        <translation>Un segmento es un sector, π × r² ÷ 6, menos uno de los triángulos del hexágono, ½ × r × (√3/2 × r).</translation>
    </message>
    <message>
        <source>Work out π × %1² ÷ 6 − ½ × %1 × (√3/2 × %1).</source>
        <translation>Calcula π × %1² ÷ 6 − ½ × %1 × (√3/2 × %1).</translation>
    </message>
    <message>
        <source>The shorter side goes round the cylinder: it is the circumference 2 × π × r, so r = side ÷ (2 × π).</source>
        <translation>El lado menor da la vuelta al cilindro: es la longitud de la circunferencia, 2 × π × r, así que r = lado ÷ (2 × π).</translation>
    </message>
    <message>
        <source>Work out %3 ÷ (2 × π).</source>
        <translation>Calcula %3 ÷ (2 × π).</translation>
    </message>
    <message>
        <source>Rolling the paper does not change its area: it is the rectangle&apos;s, one side times the other.</source>
        <translation>Enrollar el papel no cambia su área: es la del rectángulo, un lado por el otro.</translation>
    </message>
    <message>
        <source>Work out %1 × %2.</source>
        <translation>Calcula %1 × %2.</translation>
    </message>
    <message>
        <source>Bending the tube round into a torus does not stretch the paper: its area is the rectangle&apos;s, one side times the other.</source>
        <translation>Curvar el tubo hasta formar un toro no estira el papel: su área es la del rectángulo, un lado por el otro.</translation>
    </message>
    <message>
        <source>The strip&apos;s one edge runs along both longer sides before it meets itself: 2 × the longer side.</source>
        <translation>El único borde de la banda recorre los dos lados mayores antes de volver a unirse: 2 × el lado mayor.</translation>
    </message>
    <message>
        <source>Work out 2 × %4.</source>
        <translation>Calcula 2 × %4.</translation>
    </message>
    <message>
        <source>The strip&apos;s one side covers both faces of the paper: 2 × one side × the other.</source>
        <translation>La única cara de la banda cubre las dos caras del papel: 2 × un lado × el otro.</translation>
    </message>
    <message>
        <source>Work out 2 × %1 × %2.</source>
        <translation>Calcula 2 × %1 × %2.</translation>
    </message>
    <message>
        <source>The cone is the disc less the removed sector: it keeps (360 − the cut angle)/360 of π × r².</source>
        <translation>El cono es el círculo menos el sector quitado: conserva (360 − el ángulo cortado)/360 de π × r².</translation>
    </message>
    <message>
        <source>Work out π × %1² × %6 ÷ 360.</source>
        <translation>Calcula π × %1² × %6 ÷ 360.</translation>
    </message>
    <message>
        <source>Press Answer to see the worked solution.</source>
        <translation>Pulsa «Solución» para ver la solución paso a paso.</translation>
    </message>
    <message>
        <source>The circumference is 2 × π × r: 2 × π × %1 = %7</source>
        <translation>La longitud de la circunferencia es 2 × π × r: 2 × π × %1 = %7</translation>
    </message>
    <message>
        <source>The area of a circle is π × r²: π × %1² = %7</source>
        <translation>El área de un círculo es π × r²: π × %1² = %7</translation>
    </message>
    <message>
        <source>The sector is %3/360 of the circle: π × %1² × %3 ÷ 360 = %7</source>
        <translation>El sector es %3/360 del círculo: π × %1² × %3 ÷ 360 = %7</translation>
    </message>
    <message>
        <source>Six triangles, each ½ × %1 × (√3/2 × %1): 6 × ½ × %1 × (√3/2 × %1) = %7</source>
        <translation>Seis triángulos, cada uno ½ × %1 × (√3/2 × %1): 6 × ½ × %1 × (√3/2 × %1) = %7</translation>
    </message>
    <message>
        <source>A sector less its triangle: π × %1² ÷ 6 − ½ × %1 × (√3/2 × %1) = %7</source>
        <translation>Un sector menos su triángulo: π × %1² ÷ 6 − ½ × %1 × (√3/2 × %1) = %7</translation>
    </message>
    <message>
        <source>The shorter side goes round: %3 = 2 × π × r, so r = %3 ÷ (2 × π) = %7</source>
        <translation>El lado menor da la vuelta: %3 = 2 × π × r, así que r = %3 ÷ (2 × π) = %7</translation>
    </message>
    <message>
        <source>Rolling the paper does not stretch it, so the area is the rectangle&apos;s: %1 × %2 = %7</source>
        <translation>Enrollar el papel no lo estira, así que el área es la del rectángulo: %1 × %2 = %7</translation>
    </message>
    <message>
        <source>Bending the paper into a torus does not stretch it, so the area is the rectangle&apos;s: %1 × %2 = %7</source>
        <translation>Curvar el papel hasta formar un toro no lo estira, así que el área es la del rectángulo: %1 × %2 = %7</translation>
    </message>
    <message>
        <source>The edge runs along both longer sides before it meets itself: 2 × %4 = %7</source>
        <translation>El borde recorre los dos lados mayores antes de volver a unirse: 2 × %4 = %7</translation>
    </message>
    <message>
        <source>The strip&apos;s one side covers both faces of the paper, so its area is twice the rectangle&apos;s: 2 × %1 × %2 = %7</source>
        <translation>La única cara de la banda cubre las dos caras del papel, así que su área es el doble de la del rectángulo: 2 × %1 × %2 = %7</translation>
    </message>
    <message>
        <source>The cone keeps %6/360 of the disc: π × %1² × %6 ÷ 360 = %7</source>
        <translation>El cono conserva %6/360 del círculo: π × %1² × %6 ÷ 360 = %7</translation>
    </message>
    <message>
        <source>%1 Or perhaps: %2</source>
        <translation>%1 O quizá: %2</translation>
    </message>
    <message>
        <source>Type your answer as a number, with two decimal places.</source>
        <translation>Escribe tu respuesta como un número, con dos decimales.</translation>
    </message>
    <message>
        <source>Write the decimals after a point, not a comma: the number stops at the comma.</source>
        <translation>Escribe los decimales después de un punto, no de una coma: el número termina en la coma.</translation>
    </message>
    <message>
        <source>Type the number only: multiply by π yourself, with the value the page gives.</source>
        <translation>Escribe solo el número: multiplica tú por π, con el valor que da la página.</translation>
    </message>
    <message>
        <source>The radius is already %1; you halved it as if it were the diameter.</source>
        <translation>El radio ya es %1; lo has dividido entre dos como si fuera el diámetro.</translation>
    </message>
    <message>
        <source>Square the radius: the area uses r × r.</source>
        <translation>Eleva el radio al cuadrado: el área se calcula con r × r.</translation>
    </message>
    <message>
        <source>The area is π × r²: multiply by π as well.</source>
        <translation>El área es π × r²: multiplica también por π.</translation>
    </message>
    <message>
        <source>That is the whole circle; the sector is 1/%2 of it.</source>
        <translation>Eso es el círculo entero; el sector es solo 1/%2 de él.</translation>
    </message>
    <message>
        <source>Here %2 says what part of the circle the sector is, 1/%2, not an angle in degrees.</source>
        <translation>Aquí %2 indica qué parte del círculo es el sector, 1/%2; no es un ángulo en grados.</translation>
    </message>
    <message>
        <source>The side that goes round is 2 × π × r, so divide it by 2 × π.</source>
        <translation>El lado que da la vuelta es 2 × π × r, así que divídelo entre 2 × π.</translation>
    </message>
    <message>
        <source>Leave out the thousands separator: the page does not read it as one.</source>
        <translation>No escribas el separador de miles: la página no lo lee como tal.</translation>
    </message>
    <message>
        <source>An area can&apos;t be negative: drop the minus sign.</source>
        <translation>Un área no puede ser negativa: quita el signo menos.</translation>
    </message>
    <message>
        <source>A length can&apos;t be negative: drop the minus sign.</source>
        <translation>Una longitud no puede ser negativa: quita el signo menos.</translation>
    </message>
    <message>
        <source>π × r, the 2 left out</source>
        <translation>π × r, sin el 2</translation>
    </message>
    <message>
        <source>the area for the circumference</source>
        <translation>el área en lugar de la longitud de la circunferencia</translation>
    </message>
    <message>
        <source>the diameter used for the radius</source>
        <translation>el diámetro en lugar del radio</translation>
    </message>
    <message>
        <source>the circumference for the area</source>
        <translation>la longitud de la circunferencia en lugar del área</translation>
    </message>
    <message>
        <source>the radius not squared</source>
        <translation>el radio sin elevar al cuadrado</translation>
    </message>
    <message>
        <source>π squared with the radius</source>
        <translation>π elevado al cuadrado con el radio</translation>
    </message>
    <message>
        <source>the radius halved as if a diameter</source>
        <translation>el radio dividido entre dos como un diámetro</translation>
    </message>
    <message>
        <source>π left out</source>
        <translation>sin π</translation>
    </message>
    <message>
        <source>the whole circle</source>
        <translation>el círculo entero</translation>
    </message>
    <message>
        <source>the arc&apos;s length for the area</source>
        <translation>la longitud del arco en lugar del área</translation>
    </message>
    <message>
        <source>the fraction taken as an angle</source>
        <translation>la fracción tomada como ángulo</translation>
    </message>
    <message>
        <source>degrees used as radians</source>
        <translation>los grados usados como radianes</translation>
    </message>
    <message>
        <source>twice the sector</source>
        <translation>el doble del sector</translation>
    </message>
    <message>
        <source>the rest of the circle</source>
        <translation>el resto del círculo</translation>
    </message>
    <message>
        <source>one triangle only</source>
        <translation>un solo triángulo</translation>
    </message>
    <message>
        <source>the triangle&apos;s ½ left out</source>
        <translation>sin el ½ del triángulo</translation>
    </message>
    <message>
        <source>the triangle&apos;s height taken as r</source>
        <translation>la altura del triángulo tomada como r</translation>
    </message>
    <message>
        <source>all six segments</source>
        <translation>los seis segmentos juntos</translation>
    </message>
    <message>
        <source>the sector, its triangle not taken away</source>
        <translation>el sector, sin quitar su triángulo</translation>
    </message>
    <message>
        <source>the longer side taken round</source>
        <translation>el lado mayor tomado para la vuelta</translation>
    </message>
    <message>
        <source>the diameter for the radius</source>
        <translation>el diámetro en lugar del radio</translation>
    </message>
    <message>
        <source>the side halved, π left out</source>
        <translation>el lado dividido entre dos, sin π</translation>
    </message>
    <message>
        <source>the side multiplied by 2π</source>
        <translation>el lado multiplicado por 2π</translation>
    </message>
    <message>
        <source>the paper counted twice</source>
        <translation>el papel contado dos veces</translation>
    </message>
    <message>
        <source>the perimeter for the area</source>
        <translation>el perímetro en lugar del área</translation>
    </message>
    <message>
        <source>the sides added</source>
        <translation>los lados sumados</translation>
    </message>
    <message>
        <source>the sides taken as radii</source>
        <translation>los lados tomados como radios</translation>
    </message>
    <message>
        <source>one long side only</source>
        <translation>un solo lado largo</translation>
    </message>
    <message>
        <source>the shorter sides</source>
        <translation>los lados menores</translation>
    </message>
    <message>
        <source>the whole perimeter</source>
        <translation>el perímetro entero</translation>
    </message>
    <message>
        <source>one face only</source>
        <translation>una sola cara del papel</translation>
    </message>
    <message>
        <source>the cut-away sector</source>
        <translation>el sector recortado</translation>
    </message>
    <message>
        <source>the whole disc</source>
        <translation>el círculo entero</translation>
    </message>
    <message>
        <source>the rim&apos;s length for the area</source>
        <translation>la longitud del borde en lugar del área</translation>
    </message>
    <message>
        <source>π taken as 3.14</source>
        <translation>π tomado como 3,14</translation>
    </message>
    <message>
        <source>π taken as 22/7</source>
        <translation>π tomado como 22/7</translation>
    </message>
    <message>
        <source>π taken as 3.142</source>
        <translation>π tomado como 3,142</translation>
    </message>
    <message>
        <source>√3 taken as 1.73</source>
        <translation>√3 tomado como 1,73</translation>
    </message>
    <message>
        <source>√3 taken as 1.732</source>
        <translation>√3 tomado como 1,732</translation>
    </message>
    <message>
        <source>one decimal place only</source>
        <translation>un solo decimal</translation>
    </message>
    <message>
        <source>a whole number for two places</source>
        <translation>un número entero en lugar de dos decimales</translation>
    </message>
    <message>
        <source>the second decimal cut, not rounded</source>
        <translation>el segundo decimal cortado, sin redondear</translation>
    </message>
    <message>
        <source>rounded before the end</source>
        <translation>redondeado antes del final</translation>
    </message>
    <message>
        <source>no number typed</source>
        <translation>ningún número escrito</translation>
    </message>
    <message>
        <source>a decimal comma</source>
        <translation>una coma decimal</translation>
    </message>
    <message>
        <source>π typed after the number</source>
        <translation>π escrito después del número</translation>
    </message>
    <message>
        <source>a thousands separator</source>
        <translation>un separador de miles</translation>
    </message>
    <message>
        <source>a minus sign</source>
        <translation>un signo menos</translation>
    </message>
    <message>
        <source>The sector is 1/%2 of the circle: work out the circle&apos;s area, π × r², then divide it by %2.</source>
        <translation>El sector es 1/%2 del círculo: calcula el área del círculo, π × r², y luego divídela entre %2.</translation>
    </message>
    <message>
        <source>The sector is 1/%2 of the circle: π × %1² ÷ %2 = %7</source>
        <translation>El sector es 1/%2 del círculo: π × %1² ÷ %2 = %7</translation>
    </message>
</context>
<context>
    <name>LessonPage</name>
    <message>
        <source>Problems Page</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>MediaBar</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Paso atrás</translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation>Paso adelante</translation>
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
        <translation>Animación</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Ampliar</translation>
    </message>
</context>
<context>
    <name>ProblemPage</name>
    <message>
        <source>Check my answer</source>
        <translation>Comprobar mi respuesta</translation>
    </message>
    <message>
        <source>Next problem</source>
        <translation>Siguiente ejercicio</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Mostrar la solución</translation>
    </message>
    <message>
        <source>Open the Jotter</source>
        <translation>Abrir el cuaderno</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>Your answer should be correct to two decimal places. Approximate pi as 3.14159.</source>
        <translation>Da tu respuesta redondeada a las centésimas. Usa 3,14159 como aproximación de π.</translation>
    </message>
    <message>
        <source>You have mastered %1!</source>
        <translation>¡Ya dominas: %1!</translation>
    </message>
    <message>
        <source>Ask your teacher to help you with %1 problems.</source>
        <translation>Pide a tu profesor que te ayude con los problemas de «%1».</translation>
    </message>
    <message>
        <source>%1: practice</source>
        <translation>%1: práctica</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor después de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado después de «%1».</translation>
    </message>
</context>
<context>
    <name>StateStrip</name>
    <message>
        <source>Your progress on these kinds of problem</source>
        <translation>Tu progreso en estos tipos de problema</translation>
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
        <translation>Animación de portada</translation>
    </message>
    <message>
        <source>Geometry for secondary schools</source>
        <translation>Geometría para secundaria</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Copyright © Vornash Learning. All rights reserved.</source>
        <translation>Copyright © Vornash Learning. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>circles</name>
    <message>
        <source>Circles</source>
        <translation>Círculos</translation>
    </message>
</context>
<context>
    <name>circles0</name>
    <message>
        <source>The area of a circle of radius r is     r².</source>
        <translation>El área de un círculo de radio r es     r².</translation>
    </message>
    <message>
        <source>The area of a sector of angle A radians of a circle of radius r is </source>
        <translation>El área de un sector circular de ángulo A radianes en un círculo de radio r es </translation>
    </message>
    <message>
        <source>The area of the isosceles triangle formed by connecting the ends of a chord subtending an angle of A radians to the centre of a circle of radius r is</source>
        <translation>El área del triángulo isósceles que se forma al unir con el centro de una circunferencia de radio r los extremos de una cuerda que abarca un ángulo central de A radianes es</translation>
    </message>
    <message>
        <source>The area of a segment made by a chord subtending an angle of A radians is equal to the area of the corresponding sector minus the area of an isosceles triangle, which is</source>
        <translation>El área de un segmento circular determinado por una cuerda que abarca un ángulo central de A radianes es igual al área del sector correspondiente menos el área de un triángulo isósceles, es decir,</translation>
    </message>
    <message>
        <source>radius r is</source>
        <translation>radio r es</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Círculos</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segmento</translation>
    </message>
    <message>
        <source>½r²A</source>
        <translation>½r²A</translation>
    </message>
    <message>
        <source>½r²sin(A).</source>
        <translation>½r²sen(A).</translation>
    </message>
    <message>
        <source>½r²A  -  ½r²sin(A).</source>
        <translation>½r²A  -  ½r²sen(A).</translation>
    </message>
</context>
<context>
    <name>folding</name>
    <message>
        <source>Paper Folding</source>
        <translation>Plegado de papel</translation>
    </message>
</context>
<context>
    <name>folding0</name>
    <message>
        <source>An open-ended cylinder can be constructed from a rectangle. If the rectangle is folded around until two opposite edges meet the result will be an open-ended cylinder. The area of the open-ended cylinder is the same as the area of the rectangle.</source>
        <translation>Con un rectángulo se puede construir un cilindro abierto. Si se enrolla el rectángulo hasta que se unan dos lados opuestos, se obtiene un cilindro abierto. El área del cilindro abierto es igual al área del rectángulo.</translation>
    </message>
    <message>
        <source>By folding a rectangle around until two opposite edges meet we can make an open-ended cylinder. If the cylinder is then folded until its two open ends meet the resulting shape is known as a torus.</source>
        <translation>Si enrollamos un rectángulo hasta que se unan dos lados opuestos, obtenemos un cilindro abierto. Si después curvamos el cilindro hasta que se unan sus dos extremos abiertos, la figura que resulta se llama toro.</translation>
    </message>
    <message>
        <source>A möbius strip can be constructed from a rectangle. If the rectangle is given a 180° twist before being folded around until two opposite edges meet, a möbius strip is produced. By twisting the rectangle, before joining its edges, both sides of the rectangle become joined, so the möbius strip has just one face with twice the area of the rectangle. It also has just one edge which is twice the length of the corresponding edge of the rectangle.</source>
        <translation>Con un rectángulo se puede construir una banda de Möbius. Si se da al rectángulo un giro de 180° antes de enrollarlo hasta que se unan dos lados opuestos, se obtiene una banda de Möbius. Al girar el rectángulo antes de unir sus lados, sus dos caras quedan unidas, así que la banda de Möbius tiene una sola cara, cuya área es el doble de la del rectángulo. También tiene un solo borde, cuya longitud es el doble de la del lado correspondiente del rectángulo.</translation>
    </message>
    <message>
        <source>If we take a circle and remove a sector from it, then pull the two edges of the missing sector together, we can construct an open-ended cone. The area of the open-ended cone is the same as that of the circle minus the sector that has been removed.</source>
        <translation>Si a un círculo le quitamos un sector y después juntamos los dos bordes del sector que falta, podemos construir un cono abierto. El área del cono abierto es igual a la del círculo menos la del sector que se ha quitado.</translation>
    </message>
    <message>
        <source>Paper Folding</source>
        <translation>Plegado de papel</translation>
    </message>
    <message>
        <source>Cylinder</source>
        <translation>Cilindro</translation>
    </message>
    <message>
        <source>Torus</source>
        <translation>Toro</translation>
    </message>
    <message>
        <source>Möbius Strip</source>
        <translation>Banda de Möbius</translation>
    </message>
    <message>
        <source>Cone</source>
        <translation>Cono</translation>
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
        <translation>versión 4.0.003</translation>
    </message>
    <message>
        <source>Vornash logo</source>
        <translation>Logotipo de Vornash</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Círculos</translation>
    </message>
    <message>
        <source>Disc Packing</source>
        <translation>Empaquetado de círculos</translation>
    </message>
    <message>
        <source>Open the publisher&apos;s web site in your browser</source>
        <translation>Abrir la web de la editorial en el navegador</translation>
    </message>
    <message>
        <source>© Vornash Learning</source>
        <translation>© Vornash Learning</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Dimensiones</translation>
    </message>
    <message>
        <source>Surface Area</source>
        <translation>Área de superficies</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Paper Folding</source>
        <translation>Plegado de papel</translation>
    </message>
    <message>
        <source>Sphere Packing</source>
        <translation>Empaquetado de esferas</translation>
    </message>
    <message>
        <source>Pythagoras&apos; Theorem</source>
        <translation>Teorema de Pitágoras</translation>
    </message>
    <message>
        <source>The Ellipse</source>
        <translation>La elipse</translation>
    </message>
    <message>
        <source>Animation Sequence</source>
        <translation>Secuencia animada</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mi progreso</translation>
    </message>
    <message>
        <source>My Class</source>
        <translation>Mi clase</translation>
    </message>
</context>
<context>
    <name>jotter</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Dark blue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Dark cyan</source>
        <translation>Cian oscuro</translation>
    </message>
    <message>
        <source>Dark red</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <source>Dark magenta</source>
        <translation>Magenta oscuro</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Light grey</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>Dark grey</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
</context>
<context>
    <name>jotter::notepad</name>
    <message>
        <source>Jotter</source>
        <translation>Cuaderno</translation>
    </message>
    <message>
        <source>Close the Jotter and throw away what is on it</source>
        <translation>Cerrar el cuaderno y borrar lo que hay en él</translation>
    </message>
    <message>
        <source>Write again in the colour used before erasing</source>
        <translation>Volver a escribir con el color usado antes de borrar</translation>
    </message>
    <message>
        <source>Rub out with a wide pen</source>
        <translation>Borrar con un lápiz ancho</translation>
    </message>
    <message>
        <source>Wipe the whole Jotter clean</source>
        <translation>Borrar todo el cuaderno</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Turn the Jotter tall (wipes it clean)</source>
        <translation>Poner el cuaderno en vertical (lo borra)</translation>
    </message>
    <message>
        <source>Turn the Jotter wide (wipes it clean)</source>
        <translation>Poner el cuaderno en horizontal (lo borra)</translation>
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
        <translation>Mi clase</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Alumno/a</translation>
    </message>
    <message>
        <source>Needs help with</source>
        <translation>Necesita ayuda con</translation>
    </message>
    <message>
        <source>Most frequent slip</source>
        <translation>Error más frecuente</translation>
    </message>
    <message>
        <source>Last active</source>
        <translation>Última actividad</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Círculos</translation>
    </message>
    <message>
        <source>Paper Folding</source>
        <translation>Plegado de papel</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pupils of your classes</source>
        <translation>Alumnos de sus clases</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Save the checks of your classes&apos; pupils as a CSV file</source>
        <translation>Guardar las respuestas comprobadas de los alumnos de sus clases en un archivo CSV</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>No class record is set up on this computer.</source>
        <translation>En este ordenador no hay ningún registro de clase configurado.</translation>
    </message>
    <message>
        <source>Reading the class record…</source>
        <translation>Leyendo el registro de clase…</translation>
    </message>
    <message>
        <source>The class&apos;s checks were saved in %1.</source>
        <translation>Las respuestas comprobadas de la clase se guardaron en %1.</translation>
    </message>
    <message>
        <source>The class&apos;s checks could not be saved in %1: %2</source>
        <translation>No se pudieron guardar las respuestas comprobadas de la clase en %1: %2</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>No pupils are in your classes yet.</source>
        <translation>Todavía no hay alumnos en sus clases.</translation>
    </message>
    <message>
        <source>Pupils: %1. Needing help: %2. Read at %3.</source>
        <translation>Alumnos: %1. Necesitan ayuda: %2. Leído a las %3.</translation>
    </message>
    <message>
        <source>The school&apos;s server did not answer (%1). The table is as read at %2.</source>
        <translation>El servidor del centro no respondió (%1). La tabla es la leída a las %2.</translation>
    </message>
    <message>
        <source>The school&apos;s server did not answer (%1).</source>
        <translation>El servidor del centro no respondió (%1).</translation>
    </message>
    <message>
        <source>Export the class&apos;s checks</source>
        <translation>Exportar las respuestas comprobadas de la clase</translation>
    </message>
    <message>
        <source>my-class</source>
        <translation>mi-clase</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saving the class&apos;s checks…</source>
        <translation>Guardando las respuestas comprobadas de la clase…</translation>
    </message>
    <message>
        <source>The arrow keys move from cell to cell; Alt+S sorts by the column of the current cell, and again the other way round.</source>
        <translation>Las flechas pasan de una celda a otra; Alt+S ordena por la columna de la celda actual, y una segunda vez en orden inverso.</translation>
    </message>
</context>
<context>
    <name>myprogress</name>
    <message>
        <source>My Progress</source>
        <translation>Mi progreso</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Círculos</translation>
    </message>
    <message>
        <source>Paper Folding</source>
        <translation>Plegado de papel</translation>
    </message>
    <message>
        <source>Practise weak spots</source>
        <translation>Practicar puntos débiles</translation>
    </message>
    <message>
        <source>Problems of %1, the kinds you need most first</source>
        <translation>Problemas de %1, primero los tipos que más necesitas</translation>
    </message>
    <message>
        <source>Kinds of problem in %1</source>
        <translation>Tipos de problema en %1</translation>
    </message>
    <message>
        <source>Kind of problem</source>
        <translation>Tipo de problema</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Last ten first tries</source>
        <translation>Primeros intentos</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bien</translation>
    </message>
    <message>
        <source>The last 14 days</source>
        <translation>Los últimos 14 días</translation>
    </message>
    <message>
        <source>Your most frequent slips</source>
        <translation>Tus errores más frecuentes</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Save your checks as a CSV file</source>
        <translation>Guardar tus respuestas en un archivo CSV</translation>
    </message>
    <message>
        <source>Forget my record</source>
        <translation>Borrar mi registro</translation>
    </message>
    <message>
        <source>Delete everything recorded about your work</source>
        <translation>Borrar todo lo registrado sobre tu trabajo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>My Progress: %1</source>
        <translation>Mi progreso: %1</translation>
    </message>
    <message>
        <source>Nothing is recorded: the record is turned off.</source>
        <translation>No se registra nada: el registro está desactivado.</translation>
    </message>
    <message>
        <source>%1: once</source>
        <translation>%1: una&#xa0;vez</translation>
    </message>
    <message>
        <source>%1: %2 times</source>
        <translation>%1: %2&#xa0;veces</translation>
    </message>
    <message>
        <source>No slips so far.</source>
        <translation>Ningún error hasta ahora.</translation>
    </message>
    <message>
        <source>right</source>
        <translation>bien</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>none yet</source>
        <translation>ninguno todavía</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>share of first tries right</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Export my record</source>
        <translation>Exportar mi registro</translation>
    </message>
    <message>
        <source>my-progress</source>
        <translation>mi-progreso</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Your record could not be written to %1.</source>
        <translation>No se pudo escribir tu registro en %1.</translation>
    </message>
    <message>
        <source>Your record could not be deleted.</source>
        <translation>No se pudo borrar tu registro.</translation>
    </message>
    <message>
        <source>Delete everything recorded about your work? This cannot be undone.</source>
        <translation>¿Borrar todo lo registrado sobre tu trabajo? No se puede deshacer.</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Buscar en:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Tipo de archivo:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
</context>
<context>
    <name>problems</name>
    <message>
        <source>Correct, Well Done!</source>
        <translation>¡Correcto, muy bien!</translation>
    </message>
    <message>
        <source>Wrong, Try Again</source>
        <translation>Incorrecto, inténtalo otra vez</translation>
    </message>
    <message>
        <source>What is the circumference of a circle of radius%1?</source>
        <translation>¿Cuál es la longitud de una circunferencia de radio%1?</translation>
    </message>
    <message>
        <source>What is the area of a circle of radius%1?</source>
        <translation>¿Cuál es el área de un círculo de radio%1?</translation>
    </message>
    <message>
        <source>If a sector of a circle of radius%1 forms a%2th of a full circle, what is its area?</source>
        <translation>Un sector circular de un círculo de radio%1 es la%2.ª parte del círculo completo. ¿Cuál es su área?</translation>
    </message>
    <message>
        <source>If a sector of a circle of radius%1 forms an angle of %2 degrees at the centre of the circle, what is its area?</source>
        <translation>Un sector circular de un círculo de radio%1 tiene un ángulo central de%2°. ¿Cuál es su área?</translation>
    </message>
    <message>
        <source>What is the area of a regular hexagon inscribed within a circle of radius%1?</source>
        <translation>¿Cuál es el área de un hexágono regular inscrito en una circunferencia de radio%1?</translation>
    </message>
    <message>
        <source>If a regular hexagon is inscribed in a circle of radius%1. What is the area of each of the six segments outside the hexagon?</source>
        <translation>Un hexágono regular está inscrito en una circunferencia de radio%1. ¿Cuál es el área de cada uno de los seis segmentos circulares que quedan fuera del hexágono?</translation>
    </message>
    <message>
        <source>If an open-ended cylinder is constructed by joining the longer sides of a rectangle whose sides have length%1 and%2. What is the radius of the cylinder?</source>
        <translation>Se construye un cilindro abierto uniendo los lados mayores de un rectángulo de lados%1 y%2. ¿Cuál es el radio del cilindro?</translation>
    </message>
    <message>
        <source>If an open-ended cylinder is constructed from a rectangle with sides of length%1 and%2. What is the area of the open-ended cylinder?</source>
        <translation>Se construye un cilindro abierto con un rectángulo de lados%1 y%2. ¿Cuál es el área del cilindro abierto?</translation>
    </message>
    <message>
        <source>If a torus is constructed from a rectangle with sides of length%1 and%2. What is the area of the torus?</source>
        <translation>Se construye un toro con un rectángulo de lados%1 y%2. ¿Cuál es el área del toro?</translation>
    </message>
    <message>
        <source>If a mobius strip is constructed by joining the shorter sides of a rectangle whose sides have length%1 and%2. What is the length of the edge of the mobius strip?</source>
        <translation>Se construye una banda de Möbius uniendo los lados menores de un rectángulo de lados%1 y%2. ¿Cuál es la longitud del borde de la banda de Möbius?</translation>
    </message>
    <message>
        <source>If a mobius strip is constructed from a rectangle with sides of length%1 and%2. What is the area of the mobius strip?</source>
        <translation>Se construye una banda de Möbius con un rectángulo de lados%1 y%2. ¿Cuál es el área de la banda de Möbius?</translation>
    </message>
    <message>
        <source>If an open-ended cone is constructed from a disc of radius%1 with a sector of angle%2° removed. What is the area of the open-ended cone?</source>
        <translation>Se construye un cono abierto con un círculo de radio%1 al que se ha quitado un sector de%2°. ¿Cuál es el área del cono abierto?</translation>
    </message>
</context>
<context>
    <name>record</name>
    <message>
        <source>Sent to the class record</source>
        <translation>Enviado al registro de clase</translation>
    </message>
    <message>
        <source>Waiting for the school&apos;s server: one answer kept on this computer</source>
        <translation>Esperando al servidor del centro: una respuesta guardada en este ordenador</translation>
    </message>
    <message numerus="yes">
        <source>Waiting for the school&apos;s server: %n answers kept on this computer</source>
        <translation>
            <numerusform>Esperando al servidor del centro: %n respuesta guardada en este ordenador</numerusform>
            <numerusform>Esperando al servidor del centro: %n respuestas guardadas en este ordenador</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n answers could not be written to the record yet; they are kept and tried again.</source>
        <translation>
            <numerusform>%n respuesta aún no se ha podido registrar; se conserva y se volverá a intentar.</numerusform>
            <numerusform>%n respuestas aún no se han podido registrar; se conservan y se volverá a intentar.</numerusform>
        </translation>
    </message>
    <message>
        <source>The record was damaged: it was moved aside as %1, and a new record was started.</source>
        <translation>El registro estaba dañado: se ha apartado como %1 y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>Your record was damaged: it was kept as %1, and a new one was started.</source>
        <translation>Tu registro estaba dañado: se ha guardado como %1 y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>Circumference</source>
        <translation>Circunferencia</translation>
    </message>
    <message>
        <source>Area of a circle</source>
        <translation>Área de un círculo</translation>
    </message>
    <message>
        <source>Sector as a fraction</source>
        <translation>Sector como fracción</translation>
    </message>
    <message>
        <source>Sector by its angle</source>
        <translation>Sector por su ángulo</translation>
    </message>
    <message>
        <source>Inscribed hexagon</source>
        <translation>Hexágono inscrito</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segmento circular</translation>
    </message>
    <message>
        <source>Cylinder&apos;s radius</source>
        <translation>Radio del cilindro</translation>
    </message>
    <message>
        <source>Cylinder&apos;s area</source>
        <translation>Área del cilindro</translation>
    </message>
    <message>
        <source>Torus&apos;s area</source>
        <translation>Área del toro</translation>
    </message>
    <message>
        <source>Möbius strip&apos;s edge</source>
        <translation>Borde de la cinta de Möbius</translation>
    </message>
    <message>
        <source>Möbius strip&apos;s area</source>
        <translation>Área de la cinta de Möbius</translation>
    </message>
    <message>
        <source>Cone&apos;s area</source>
        <translation>Área del cono</translation>
    </message>
    <message>
        <source>Not started</source>
        <translation>Sin empezar</translation>
    </message>
    <message>
        <source>Practising</source>
        <translation>Practicando</translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation>Dominado</translation>
    </message>
    <message>
        <source>Needs help</source>
        <translation>Necesita ayuda</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Repasar</translation>
    </message>
    <message>
        <source>Nothing is recorded in %1: Qt&apos;s SQLite driver (libqt6sql6-sqlite) is not installed.</source>
        <translation>No se registra nada en %1: el controlador SQLite de Qt (libqt6sql6-sqlite) no está instalado.</translation>
    </message>
    <message>
        <source>Nothing is recorded: the folder %1 cannot be made.</source>
        <translation>No se registra nada: no se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Nothing is recorded: %1 cannot be written.</source>
        <translation>No se registra nada: no se puede escribir en %1.</translation>
    </message>
    <message>
        <source>Nothing has been recorded yet in %1.</source>
        <translation>Todavía no se ha registrado nada en %1.</translation>
    </message>
    <message>
        <source>Nothing is recorded: %1 is not a database file.</source>
        <translation>No se registra nada: %1 no es un archivo de base de datos.</translation>
    </message>
    <message>
        <source>Nothing is recorded: %1 is damaged and cannot be moved aside.</source>
        <translation>No se registra nada: %1 está dañado y no se puede apartar.</translation>
    </message>
    <message>
        <source>Nothing can be read from %1: the file is damaged.</source>
        <translation>No se puede leer nada de %1: el archivo está dañado.</translation>
    </message>
    <message>
        <source>Nothing is recorded: %1 cannot be opened.</source>
        <translation>No se registra nada: no se puede abrir %1.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of the program: it is shown, but nothing is added to it.</source>
        <translation>%1 lo escribió una versión más reciente del programa: se muestra, pero no se le añade nada.</translation>
    </message>
    <message>
        <source>Nothing is recorded: the disk that holds %1 is full.</source>
        <translation>No se registra nada: el disco que contiene %1 está lleno.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Nothing is recorded: the program was started with --no-record.</source>
        <translation>No se registra nada: el programa se inició con --no-record.</translation>
    </message>
    <message>
        <source>Nothing is recorded: recording is turned off on this computer (%1).</source>
        <translation>No se registra nada: el registro está desactivado en este ordenador (%1).</translation>
    </message>
</context>
</TS>
