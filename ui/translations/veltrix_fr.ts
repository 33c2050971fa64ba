<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>FileDialogs</name>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>GraphExport</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2.</source>
        <translation>L’image n’a pas pu être enregistrée sous «&#x202f;%1&#x202f;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>its content could not be made</source>
        <translation>son contenu n’a pas pu être généré</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Invalid Quadratic</source>
        <translation>Équation du second degré non valide</translation>
    </message>
    <message>
        <source>You have either entered an invalid quadratic, or have specified too higher accuracy.</source>
        <translation>Vous avez soit saisi une équation du second degré non valide, soit choisi une précision trop élevée.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>Equation: %1, where %2</source>
        <translation>Équation&#xa0;: %1, avec %2</translation>
    </message>
    <message>
        <source>Not a quadratic, as %1: the graph is a straight line.</source>
        <translation>Ce n’est pas une équation du second degré, car %1&#xa0;: la représentation graphique est une droite.</translation>
    </message>
    <message>
        <source>Discriminant: %1</source>
        <translation>Discriminant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Roots: %1</source>
        <translation>Racines&#xa0;: %1</translation>
    </message>
    <message>
        <source>Roots: %1 or %2</source>
        <translation>Racines&#xa0;: %1 ou %2</translation>
    </message>
    <message>
        <source>Roots: %1, a double root</source>
        <translation>Racine double&#xa0;: %1</translation>
    </message>
    <message>
        <source>Roots: %1, two complex roots</source>
        <translation>Deux racines complexes conjuguées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rounded: %1 or %2</source>
        <translation>Arrondi&#xa0;: %1 ou %2</translation>
    </message>
    <message>
        <source>Rounded: %1</source>
        <translation>Arrondi&#xa0;: %1</translation>
    </message>
    <message>
        <source>Turning point: minimum at %1; axis of symmetry %2</source>
        <translation>Sommet&#xa0;: minimum en %1&#xa0;; axe de symétrie d’équation %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at %1; axis of symmetry %2</source>
        <translation>Sommet&#xa0;: maximum en %1&#xa0;; axe de symétrie d’équation %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at %1</source>
        <translation>Intersection avec l’axe des ordonnées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Vertex form: %1</source>
        <translation>Forme canonique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Factored form: %1</source>
        <translation>Forme factorisée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <translation>Racine&#xa0;: %1</translation>
    </message>
    <message>
        <source>No root: the line never meets the x axis.</source>
        <translation>Aucune racine&#xa0;: la droite ne coupe jamais l’axe des abscisses.</translation>
    </message>
    <message>
        <source>Every x is a root: the line is the x axis.</source>
        <translation>Tout x est une racine&#xa0;: la droite est l’axe des abscisses.</translation>
    </message>
    <message>
        <source>The imaginary part is not 0, but it rounds to 0 at this accuracy: the roots are not real.</source>
        <translation>La partie imaginaire n’est pas nulle, mais elle est arrondie à 0 à cette précision&#xa0;: les racines ne sont pas réelles.</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1</source>
        <translation>«&#xa0;Calculer&#xa0;» interprète ce texte comme %1</translation>
    </message>
    <message>
        <source>Calculate reads this text as %1; for the equation worked out here, type %2</source>
        <translation>«&#xa0;Calculer&#xa0;» interprète ce texte comme %1&#xa0;; pour l’équation résolue ici, saisissez %2</translation>
    </message>
    <message>
        <source>Calculate cannot read this text, nor any other for this equation: a coefficient is beyond its range.</source>
        <translation>«&#xa0;Calculer&#xa0;» ne peut lire ni ce texte ni aucun autre pour cette équation&#xa0;: un coefficient dépasse sa plage de valeurs.</translation>
    </message>
    <message>
        <source>The exact forms are left out: the coefficients are too long to work with exactly.</source>
        <translation>Les formes exactes sont omises&#xa0;: les coefficients sont trop longs pour un calcul exact.</translation>
    </message>
    <message>
        <source>Turning point: minimum at about %1; axis of symmetry %2</source>
        <translation>Sommet&#xa0;: minimum en %1 environ&#xa0;; axe de symétrie d’équation %2</translation>
    </message>
    <message>
        <source>Turning point: maximum at about %1; axis of symmetry %2</source>
        <translation>Sommet&#xa0;: maximum en %1 environ&#xa0;; axe de symétrie d’équation %2</translation>
    </message>
    <message>
        <source>Crosses the y axis at about %1</source>
        <translation>Intersection avec l’axe des ordonnées&#xa0;: environ %1</translation>
    </message>
    <message>
        <source>a side of the equation is empty</source>
        <translation>un membre vide de l’équation</translation>
    </message>
    <message>
        <source>a sign with no term after it</source>
        <translation>un signe non suivi d’un terme</translation>
    </message>
    <message>
        <source>two terms with no sign between them</source>
        <translation>deux termes sans signe entre eux</translation>
    </message>
    <message>
        <source>a number right after x</source>
        <translation>un nombre juste après x</translation>
    </message>
    <message>
        <source>a power of x above 2</source>
        <translation>une puissance de x d’exposant supérieur à 2</translation>
    </message>
    <message>
        <source>a negative power of x</source>
        <translation>une puissance de x d’exposant négatif</translation>
    </message>
    <message>
        <source>a power that is not a whole number</source>
        <translation>un exposant qui n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>a &quot;*&quot; that is not between a number and x</source>
        <translation>un «&#xa0;*&#xa0;» qui n’est pas entre un nombre et x</translation>
    </message>
    <message>
        <source>a second &quot;=&quot;</source>
        <translation>un deuxième «&#xa0;=&#xa0;»</translation>
    </message>
    <message>
        <source>a letter other than x</source>
        <translation>une lettre autre que x</translation>
    </message>
    <message>
        <source>a bracket</source>
        <translation>une parenthèse ou un crochet</translation>
    </message>
    <message>
        <source>a character that has no place in an equation</source>
        <translation>un caractère qui n’a pas sa place dans une équation</translation>
    </message>
    <message>
        <source>an exponent beyond 1000000000</source>
        <translation>un exposant supérieur à 1000000000 en valeur absolue</translation>
    </message>
    <message>
        <source>The working cannot read this text: %1, at character %2</source>
        <translation>Le détail du calcul ne peut pas lire ce texte&#xa0;: %1, au caractère %2</translation>
    </message>
    <message>
        <source>The working cannot add up these terms: one of them is too long to work with exactly.</source>
        <translation>Le détail du calcul ne peut pas additionner ces termes&#xa0;: l’un d’eux est trop long pour un calcul exact.</translation>
    </message>
    <message>
        <source>The working cannot be shown: its part of the program could not be loaded (%1).</source>
        <translation>Le détail du calcul ne peut pas être affiché&#xa0;: la partie du programme qui le produit n’a pas pu être chargée (%1).</translation>
    </message>
    <message>
        <source>Equation as given: %1</source>
        <translation>Équation donnée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%2 is read as %1: what follows the fraction multiplies it.</source>
        <translation>%2 se lit %1&#xa0;: ce qui suit la fraction la multiplie.</translation>
    </message>
    <message>
        <source>A product is 0 where a factor is 0: %1 or %2</source>
        <translation>Un produit est nul si l’un de ses facteurs est nul&#xa0;: %1 ou %2</translation>
    </message>
    <message>
        <source>Square root of both sides: %1</source>
        <translation>Racine carrée des deux membres&#xa0;: %1</translation>
    </message>
    <message>
        <source>Both sides multiplied by %1: %2</source>
        <translation>Les deux membres multipliés par %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Brackets expanded: %1</source>
        <translation>Parenthèses développées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Every term brought to one side: %1</source>
        <translation>Tous les termes dans un même membre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Its zeros are the solutions of %1</source>
        <translation>Ses zéros sont les solutions de %1</translation>
    </message>
    <message>
        <source>a bracket that is never closed</source>
        <translation>une parenthèse ou un crochet jamais fermé</translation>
    </message>
    <message>
        <source>an empty bracket</source>
        <translation>des parenthèses ou des crochets vides</translation>
    </message>
    <message>
        <source>a power of a bracket other than 2</source>
        <translation>une parenthèse élevée à une puissance autre que 2</translation>
    </message>
    <message>
        <source>a product whose power of x is above 2 once multiplied out</source>
        <translation>un produit de degré supérieur à 2 une fois développé</translation>
    </message>
    <message>
        <source>x in a denominator</source>
        <translation>x dans un dénominateur</translation>
    </message>
    <message>
        <source>a denominator that is not a number</source>
        <translation>un dénominateur qui n’est pas un nombre</translation>
    </message>
    <message>
        <source>a division by 0</source>
        <translation>une division par 0</translation>
    </message>
    <message>
        <source>brackets nested too deeply</source>
        <translation>des parenthèses trop imbriquées</translation>
    </message>
    <message>
        <source>To use Calculate, Plot and Find a value, type %1</source>
        <translation>Pour utiliser «&#xa0;Calculer&#xa0;», «&#xa0;Tracer&#xa0;» et «&#xa0;Trouver une valeur de Y&#xa0;», saisissez %1</translation>
    </message>
    <message>
        <source>Compile with %1, with these lines before \begin{document}:</source>
        <translation>Compiler avec %1, en ajoutant ces lignes avant \begin{document}&#xa0;:</translation>
    </message>
    <message>
        <source>Compile with %1.</source>
        <translation>Compiler avec %1.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Both sides divided by %1: %2</source>
        <translation>Les deux membres divisés par %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The constant term brought to the right side: %1</source>
        <translation>Le terme constant passé dans le membre de droite&#xa0;: %1</translation>
    </message>
    <message>
        <source>Square of half the coefficient of x, %1, added to both sides: %2</source>
        <translation>Le carré de la moitié du coefficient de x, %1, ajouté aux deux membres&#xa0;: %2</translation>
    </message>
    <message>
        <source>The left side written as a square: %1</source>
        <translation>Le membre de gauche écrit comme un carré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: minimum at %1; axis of symmetry %2</source>
        <translation>Sommet, lu sur la forme canonique&#xa0;: minimum en %1&#xa0;; axe de symétrie d’équation %2</translation>
    </message>
    <message>
        <source>Turning point, read off the completed square: maximum at %1; axis of symmetry %2</source>
        <translation>Sommet, lu sur la forme canonique&#xa0;: maximum en %1&#xa0;; axe de symétrie d’équation %2</translation>
    </message>
    <message>
        <source>A perfect square: %1</source>
        <translation>Un carré parfait (identité remarquable)&#xa0;: %1</translation>
    </message>
    <message>
        <source>x taken out as a common factor: %1</source>
        <translation>x mis en facteur&#xa0;: %1</translation>
    </message>
    <message>
        <source>A difference of two squares: %1</source>
        <translation>Une différence de deux carrés (identité remarquable)&#xa0;: %1</translation>
    </message>
    <message>
        <source>Two numbers whose product is ac = %1 and whose sum is b = %2: %3 and %4</source>
        <translation>Deux nombres de produit ac = %1 et de somme b = %2&#xa0;: %3 et %4</translation>
    </message>
    <message>
        <source>The middle term split into two: %1</source>
        <translation>Le terme en x décomposé en deux&#xa0;: %1</translation>
    </message>
    <message>
        <source>A common factor taken out of each pair: %1</source>
        <translation>Chaque paire factorisée par un facteur commun&#xa0;: %1</translation>
    </message>
    <message>
        <source>Factored: %1</source>
        <translation>Forme factorisée&#xa0;: %1</translation>
    </message>
    <message>
        <source>pq-formula, with %1</source>
        <translation>Formule pq, avec %1</translation>
    </message>
    <message>
        <source>Half-b formula: %1, and %2</source>
        <translation>Formule du discriminant réduit&#xa0;: %1 et %2</translation>
    </message>
    <message>
        <source>Check by Vieta&apos;s formulas: sum of the roots %1; product of the roots %2</source>
        <translation>Vérification par les relations de Viète&#xa0;: somme des racines %1&#xa0;; produit des racines %2</translation>
    </message>
    <message>
        <source>This equation has no factors with rational numbers: its roots are not rational. By the formula:</source>
        <translation>Cette équation ne se factorise pas avec des nombres rationnels&#xa0;: ses racines ne sont pas rationnelles. Par la formule&#xa0;:</translation>
    </message>
    <message>
        <source>The half-b formula asks for an even b, and here %1. By the formula:</source>
        <translation>Le discriminant réduit demande un b pair&#xa0;; ici %1. Par la formule&#xa0;:</translation>
    </message>
    <message>
        <source>The roots are read off at once only where the equation is given as a product equal to 0 or a square equal to a number. By the formula:</source>
        <translation>Les racines ne se lisent directement que si l’équation est donnée sous la forme d’un produit nul ou d’un carré égal à un nombre. Par la formule&#xa0;:</translation>
    </message>
    <message>
        <source>The method chosen needs the coefficients&apos; exact values, which are too long here. By the formula:</source>
        <translation>La méthode choisie demande les valeurs exactes des coefficients, trop longues ici. Par la formule&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a form&apos;s name, then its formula</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Discriminant: %1, and %2</source>
        <translation>Discriminant&#xa0;: %1 et %2</translation>
    </message>
    <message>
        <source>Roots: %1, so %2 and %3</source>
        <translation>Racines&#xa0;: %1, donc %2 et %3</translation>
    </message>
    <message>
        <source>Roots: %1 and %2</source>
        <translation>Racines&#xa0;: %1 et %2</translation>
    </message>
    <message>
        <source>%1: no real solution; the parabola does not cross the x axis.</source>
        <translation>%1&#xa0;: pas de solution réelle&#xa0;; la parabole ne coupe pas l’axe des abscisses.</translation>
    </message>
    <message>
        <source>As an aside, in the complex numbers:</source>
        <translation>Pour information, dans l’ensemble des nombres complexes&#xa0;:</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Solution set: %1</source>
        <translation>Ensemble des solutions&#xa0;: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Réponse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Answer: no real roots.</source>
        <translation>Réponse&#xa0;: aucune racine réelle.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Line %1: %2</source>
        <comment>a line of a worksheet&apos;s file, then why it cannot be worked out</comment>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Fiche d’exercices</translation>
    </message>
    <message>
        <source>Solve each equation and sketch its graph.</source>
        <translation>Résoudre chaque équation et tracer l’allure de la courbe.</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>an exercise&apos;s number, then its equation</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>The worksheet %1 cannot be read: %2</source>
        <translation>La fiche d’exercices %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>The PDF document %1 cannot be written: %2</source>
        <translation>Le document PDF %1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>--working reads one equation from standard input, on one line; for several, one a line, use --worksheet -.</source>
        <translation>--working lit une seule équation sur l’entrée standard, sur une ligne&#xa0;; pour plusieurs, une par ligne, utilisez --worksheet -.</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::AccuracyWindow</name>
    <message>
        <source>Accuracy</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Give answer to</source>
        <translation>Arrondir à</translation>
    </message>
    <message>
        <source>decimal places</source>
        <translation>décimales</translation>
    </message>
    <message>
        <source>decimal places.</source>
        <translation>décimales.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You have entered an invalid value for the accuracy</source>
        <translation>Vous avez saisi une valeur de précision non valide</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::FindValueWindow</name>
    <message>
        <source>You have either entered an invalid quadratic, have specified an invalid or overly large value for x, or have specified too higher accuracy.</source>
        <translation>Vous avez soit saisi une équation du second degré non valide, soit indiqué une valeur de x non valide ou trop grande, soit choisi une précision trop élevée.</translation>
    </message>
    <message>
        <source>Find a value</source>
        <translation>Trouver une valeur</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>value of y</source>
        <translation>valeur de y</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::GraphWindow</name>
    <message>
        <source>Graph</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Curves plotted, in order: %1</source>
        <translation>Courbes tracées, dans l’ordre&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MainWindow</name>
    <message>
        <source>Veltrix by Ostrell, E-mail %1</source>
        <translation>Veltrix par Ostrell, courriel&#xa0;: %1</translation>
    </message>
    <message>
        <source>For help see %1 or email us at %2</source>
        <translation>Pour obtenir de l’aide, consultez %1 ou écrivez-nous à %2</translation>
    </message>
    <message>
        <source>Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3</source>
        <translation>Saisissez une équation de la forme ax^2+ bx + c, par&#xa0;ex. 10X^2-2X-3</translation>
    </message>
    <message>
        <source>Equation</source>
        <translation>Équation</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Tracer</translation>
    </message>
    <message>
        <source>Find a value of Y</source>
        <translation>Trouver une valeur de Y</translation>
    </message>
    <message>
        <source>Set accuracy</source>
        <translation>Définir la précision</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu</comment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>menu item</comment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>View</source>
        <comment>menu</comment>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Working</source>
        <comment>menu item</comment>
        <translation>Détail du calcul</translation>
    </message>
    <message>
        <source>No web browser could open the manual. Open this file in one: %1</source>
        <translation>Aucun navigateur web n’a pu ouvrir le manuel. Ouvrez ce fichier dans un navigateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::MethodAndSchool</name>
    <message>
        <source>Quadratic formula</source>
        <translation>Formule du discriminant</translation>
    </message>
    <message>
        <source>Completing the square</source>
        <translation>Forme canonique</translation>
    </message>
    <message>
        <source>Factoring</source>
        <translation>Factorisation</translation>
    </message>
    <message>
        <source>pq-formula</source>
        <translation>Formule pq</translation>
    </message>
    <message>
        <source>Half-b formula</source>
        <translation>Discriminant réduit</translation>
    </message>
    <message>
        <source>Roots at once</source>
        <translation>Racines lues directement</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Méthode&#xa0;:</translation>
    </message>
    <message>
        <source>As the school teaches</source>
        <translation>Comme enseigné à l’école</translation>
    </message>
    <message>
        <source>School</source>
        <translation>École</translation>
    </message>
    <message>
        <source>&amp;School:</source>
        <translation>É&amp;cole&#xa0;:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Générale</translation>
    </message>
    <message>
        <source>Germany, Austria, Switzerland</source>
        <translation>Allemagne, Autriche, Suisse</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Spain and Latin America</source>
        <translation>Espagne et Amérique latine</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Brazil and Portugal</source>
        <translation>Brésil et Portugal</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Pologne</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Russie</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chine</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japon</translation>
    </message>
    <message>
        <source>Arabic schools (Mashriq)</source>
        <translation>Écoles arabes (Machrek)</translation>
    </message>
    <message>
        <source>Arabic schools (Maghreb)</source>
        <translation>Écoles arabes (Maghreb)</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SketchView</name>
    <message>
        <source>minimum at %1</source>
        <translation>minimum en %1</translation>
    </message>
    <message>
        <source>maximum at %1</source>
        <translation>maximum en %1</translation>
    </message>
    <message>
        <source>roots at %1 and %2</source>
        <translation>racines %1 et %2</translation>
    </message>
    <message>
        <source>root at %1</source>
        <translation>racine %1</translation>
    </message>
    <message>
        <source>double root at %1</source>
        <translation>racine double %1</translation>
    </message>
    <message>
        <source>no real roots</source>
        <translation>aucune racine réelle</translation>
    </message>
    <message>
        <source>x axis far below the curve, not to scale</source>
        <translation>axe des abscisses loin sous la courbe, pas à l’échelle</translation>
    </message>
    <message>
        <source>x axis far above the curve, not to scale</source>
        <translation>axe des abscisses loin au-dessus de la courbe, pas à l’échelle</translation>
    </message>
    <message>
        <source>every x is a root</source>
        <translation>tout x est une racine</translation>
    </message>
    <message>
        <source>no root</source>
        <translation>aucune racine</translation>
    </message>
    <message>
        <source>Straight line</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Parabola</source>
        <translation>Parabole</translation>
    </message>
    <message>
        <source>crosses the y axis at %1</source>
        <translation>coupe l’axe des ordonnées en %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of the sketch&apos;s description</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Sketch of the curve</source>
        <translation>Esquisse de la courbe</translation>
    </message>
    <message>
        <source>&amp;Copy picture</source>
        <translation>&amp;Copier l’image</translation>
    </message>
    <message>
        <source>&amp;Save picture…</source>
        <translation>&amp;Enregistrer l’image…</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::SolutionWindow</name>
    <message>
        <source>When Y=0  X=</source>
        <translation>Si Y=0  X=</translation>
    </message>
    <message>
        <source>There is no value of y for which x=0</source>
        <translation>Il n’existe aucune valeur de x pour laquelle y = 0</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>first value of x</source>
        <translation>première valeur de x</translation>
    </message>
    <message>
        <source>second value of x</source>
        <translation>deuxième valeur de x</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>veltrix::ui::WorkingWindow</name>
    <message>
        <source>Show &amp;working</source>
        <translation>Afficher le &amp;détail du calcul</translation>
    </message>
    <message>
        <source>Working</source>
        <translation>Détail du calcul</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy as &amp;LaTeX</source>
        <translation>Copier au format &amp;LaTeX</translation>
    </message>
    <message>
        <source>Not labelled on the sketch: %1</source>
        <translation>Points sans étiquette sur l’esquisse&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>Enregistrer au format &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>The working could not be printed.</source>
        <translation>Le détail du calcul n’a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The working could not be saved as &quot;%1&quot;: %2.</source>
        <translation>Le détail du calcul n’a pas pu être enregistré sous «&#x202f;%1&#x202f;»&#xa0;: %2.</translation>
    </message>
</context>
</TS>
