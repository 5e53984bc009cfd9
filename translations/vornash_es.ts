<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <source>a circle of radius r cut into thin sectors laid side by side</source>
        <translation>un círculo de radio r cortado en sectores finos colocados uno junto a otro</translation>
    </message>
    <message>
        <source>a point going round a circle above an isosceles triangle formed by two radii</source>
        <translation>un punto que recorre una circunferencia sobre un triángulo isósceles formado por dos radios</translation>
    </message>
    <message>
        <source>a regular hexagon inscribed in a circle, one sector marked</source>
        <translation>un hexágono regular inscrito en una circunferencia, con un sector marcado</translation>
    </message>
    <message>
        <source>a rectangle rolled into an open-ended cylinder</source>
        <translation>un rectángulo enrollado en forma de cilindro abierto</translation>
    </message>
    <message>
        <source>a tube bent round and joined into a torus</source>
        <translation>un tubo curvado y cerrado en forma de toro</translation>
    </message>
    <message>
        <source>a strip given a half twist and joined into a mobius strip</source>
        <translation>una tira con medio giro, cerrada en forma de banda de Möbius</translation>
    </message>
    <message>
        <source>a disc with a sector removed closing into a cone</source>
        <translation>un círculo sin un sector que se cierra en forma de cono</translation>
    </message>
    <message>
        <source>Animation of %1</source>
        <translation>Animación: %1</translation>
    </message>
    <message>
        <source>Animation of the shape in the question</source>
        <translation>Animación de la figura del ejercicio</translation>
    </message>
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
</context>
<context>
    <name>Titlefrm</name>
    <message>
        <source>Title animation</source>
        <translation>Animación de portada</translation>
    </message>
    <message>
        <source>A cone is folded from a disc and turns slowly.</source>
        <translation>Un cono se pliega a partir de un círculo y gira lentamente.</translation>
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
        <source>A circle of radius r whose area is shown filling up.</source>
        <translation>Un círculo de radio r cuya área se va rellenando.</translation>
    </message>
    <message>
        <source>The area of a sector of angle A radians of a circle of radius r is </source>
        <translation>El área de un sector circular de ángulo A radianes en un círculo de radio r es </translation>
    </message>
    <message>
        <source>A sector of angle A cut from a circle of radius r.</source>
        <translation>Un sector circular de ángulo A recortado de un círculo de radio r.</translation>
    </message>
    <message>
        <source>The area of the isosceles triangle formed by connecting the ends of a chord subtending an angle of A radians to the centre of a circle of radius r is</source>
        <translation>El área del triángulo isósceles que se forma al unir con el centro de una circunferencia de radio r los extremos de una cuerda que abarca un ángulo central de A radianes es</translation>
    </message>
    <message>
        <source>The isosceles triangle formed by a chord and the two radii to its ends.</source>
        <translation>El triángulo isósceles formado por una cuerda y los dos radios que llegan a sus extremos.</translation>
    </message>
    <message>
        <source>The area of a segment made by a chord subtending an angle of A radians is equal to the area of the corresponding sector minus the area of an isosceles triangle, which is</source>
        <translation>El área de un segmento circular determinado por una cuerda que abarca un ángulo central de A radianes es igual al área del sector correspondiente menos el área de un triángulo isósceles, es decir,</translation>
    </message>
    <message>
        <source>A segment: the sector with the triangle under its chord taken away.</source>
        <translation>Un segmento circular: el sector sin el triángulo que queda bajo su cuerda.</translation>
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
        <source>A rectangle folded round until two opposite edges meet, making a cylinder.</source>
        <translation>Un rectángulo enrollado hasta que se unen dos lados opuestos, formando un cilindro.</translation>
    </message>
    <message>
        <source>By folding a rectangle around until two opposite edges meet we can make an open-ended cylinder. If the cylinder is then folded until its two open ends meet the resulting shape is known as a torus.</source>
        <translation>Si enrollamos un rectángulo hasta que se unan dos lados opuestos, obtenemos un cilindro abierto. Si después curvamos el cilindro hasta que se unan sus dos extremos abiertos, la figura que resulta se llama toro.</translation>
    </message>
    <message>
        <source>A cylinder bent round until its two open ends meet, making a torus.</source>
        <translation>Un cilindro curvado hasta que se unen sus dos extremos abiertos, formando un toro.</translation>
    </message>
    <message>
        <source>A möbius strip can be constructed from a rectangle. If the rectangle is given a 180° twist before being folded around until two opposite edges meet, a möbius strip is produced. By twisting the rectangle, before joining its edges, both sides of the rectangle become joined, so the möbius strip has just one face with twice the area of the rectangle. It also has just one edge which is twice the length of the corresponding edge of the rectangle.</source>
        <translation>Con un rectángulo se puede construir una banda de Möbius. Si se da al rectángulo un giro de 180° antes de enrollarlo hasta que se unan dos lados opuestos, se obtiene una banda de Möbius. Al girar el rectángulo antes de unir sus lados, sus dos caras quedan unidas, así que la banda de Möbius tiene una sola cara, cuya área es el doble de la del rectángulo. También tiene un solo borde, cuya longitud es el doble de la del lado correspondiente del rectángulo.</translation>
    </message>
    <message>
        <source>A rectangle given a half twist and joined at its ends, making a Möbius strip.</source>
        <translation>Un rectángulo con medio giro unido por sus extremos, formando una banda de Möbius.</translation>
    </message>
    <message>
        <source>If we take a circle and remove a sector from it, then pull the two edges of the missing sector together, we can construct an open-ended cone. The area of the open-ended cone is the same as that of the circle minus the sector that has been removed.</source>
        <translation>Si a un círculo le quitamos un sector y después juntamos los dos bordes del sector que falta, podemos construir un cono abierto. El área del cono abierto es igual a la del círculo menos la del sector que se ha quitado.</translation>
    </message>
    <message>
        <source>A circle with a sector removed, its cut edges pulled together into a cone.</source>
        <translation>Un círculo al que se ha quitado un sector, con los bordes del corte unidos hasta formar un cono.</translation>
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
        <source>Vornash 3 Demo</source>
        <translation>Vornash 3 Demo</translation>
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
</TS>
