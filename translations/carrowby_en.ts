<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>FactsGrid</name>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n more</numerusform>
            <numerusform>%n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days ago</source>
        <translation>
            <numerusform>%n day ago</numerusform>
            <numerusform>%n days ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3 today, the slowest in %4 s</source>
        <translation>
            <numerusform>%1: %2, %n right out of %3 today, the slowest in %4 s</numerusform>
            <numerusform>%1: %2, %n right out of %3 today, the slowest in %4 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n right out of %3, the slowest in %4 s, last asked %5</source>
        <translation>
            <numerusform>%1: %2, %n right out of %3, the slowest in %4 s, last asked %5</numerusform>
            <numerusform>%1: %2, %n right out of %3, the slowest in %4 s, last asked %5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>And %n to learn in other operations.</source>
        <translation>
            <numerusform>And %n to learn in other operations.</numerusform>
            <numerusform>And %n to learn in other operations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n addition facts</source>
        <translation>
            <numerusform>Known: %1 of %n addition fact</numerusform>
            <numerusform>Known: %1 of %n addition facts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n subtraction facts</source>
        <translation>
            <numerusform>Known: %1 of %n subtraction fact</numerusform>
            <numerusform>Known: %1 of %n subtraction facts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n multiplication facts</source>
        <translation>
            <numerusform>Known: %1 of %n multiplication fact</numerusform>
            <numerusform>Known: %1 of %n multiplication facts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Known: %1 of %n division facts</source>
        <translation>
            <numerusform>Known: %1 of %n division fact</numerusform>
            <numerusform>Known: %1 of %n division facts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more than a week ago</source>
        <translation>
            <numerusform>%n more than a week ago</numerusform>
            <numerusform>%n more than a week ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fewer than a week ago</source>
        <translation>
            <numerusform>%n fewer than a week ago</numerusform>
            <numerusform>%n fewer than a week ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due again</source>
        <translation>
            <numerusform>%n due again</numerusform>
            <numerusform>%n due again</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1. Known when right within %n seconds.</source>
        <translation>
            <numerusform>%1. Known when right within %n second.</numerusform>
            <numerusform>%1. Known when right within %n seconds.</numerusform>
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
    <message numerus="yes">
        <source>%1: %n practices since %2; the last %3 from %4% to %5%</source>
        <translation>
            <numerusform>%1: %n practice since %2; the last %3 from %4% to %5%</numerusform>
            <numerusform>%1: %n practices since %2; the last %3 from %4% to %5%</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UnwrittenQuestion</name>
    <message numerus="yes">
        <source>%n answers cannot be written to the results file yet: %1.</source>
        <translation>
            <numerusform>%n answer cannot be written to the results file yet: %1.</numerusform>
            <numerusform>%n answers cannot be written to the results file yet: %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message numerus="yes">
        <source>%1 of %n facts right now</source>
        <translation>
            <numerusform>%1 of %n fact right now</numerusform>
            <numerusform>%1 of %n facts right now</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time&apos;s up: %n unanswered</source>
        <translation>
            <numerusform>Time&apos;s up: %n unanswered</numerusform>
            <numerusform>Time&apos;s up: %n unanswered</numerusform>
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
    <message numerus="yes">
        <source>Ticked in the main window for practice: %1, with the numbers %2.</source>
        <translation>
            <numerusform>Ticked in the main window for practice: %1, with the number %2.</numerusform>
            <numerusform>Ticked in the main window for practice: %1, with the numbers %2.</numerusform>
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
