<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Errors (bibli)</name>
    <message>
        <source>%1Bad variable name %2</source>
        <comment>Error code is "NOMVARINC"</comment>
        <translation>%1Nom de variable incorrect %2</translation>
    </message>
    <message>
        <source>%1Integer operation overflow %2</source>
        <comment>Error code is "OVERFLOW"</comment>
        <translation>%1Débordement dans une opération entière %2</translation>
    </message>
    <message>
        <source>%1Division by zero</source>
        <comment>Error code is "DIVBYZERO"</comment>
        <translation>%1Division par zéro</translation>
    </message>
</context>
<context>
    <name>Internal Errors (bibli)</name>
    <message>
        <source>%1Internal error in the function %2</source>
        <comment>Error code is "ERRINTFCT"</comment>
        <translation>%1Erreur interne dans la fonction %2</translation>
    </message>
</context>
</TS>
