<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>FactsGrid</name>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3, the slowest in %4 s</source>
        <translation>
            <numerusform>%1: %2, %n right out of %3, the slowest in %4 s</numerusform>
            <numerusform>%1: %2, %n right out of %3, the slowest in %4 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n more</numerusform>
            <numerusform>%n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message numerus="yes">
        <source>%1: %n tests since %2; the last %3 from %4% to %5%</source>
        <translation>
            <numerusform>%1: %n test since %2; the last %3 from %4% to %5%</numerusform>
            <numerusform>%1: %n tests since %2; the last %3 from %4% to %5%</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmResults</name>
    <message numerus="yes">
        <source>%n answers of this run could not be kept: %1.</source>
        <translation>
            <numerusform>%n answer of this run could not be kept: %1.</numerusform>
            <numerusform>%n answers of this run could not be kept: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmTestReview</name>
    <message numerus="yes">
        <source>%n correct</source>
        <translation>
            <numerusform>%n correct</numerusform>
            <numerusform>%n correct</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n incorrect</source>
        <translation>
            <numerusform>%n incorrect</numerusform>
            <numerusform>%n incorrect</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unanswered</source>
        <translation>
            <numerusform>%n unanswered</numerusform>
            <numerusform>%n unanswered</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>speech</name>
    <message numerus="yes">
        <source>%n right</source>
        <translation>
            <numerusform>%n right</numerusform>
            <numerusform>%n right</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n wrong</source>
        <translation>
            <numerusform>%n wrong</numerusform>
            <numerusform>%n wrong</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not answered</source>
        <translation>
            <numerusform>%n not answered</numerusform>
            <numerusform>%n not answered</numerusform>
        </translation>
    </message>
</context>
</TS>
