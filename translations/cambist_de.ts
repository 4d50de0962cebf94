<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>NPV</source>
        <translation>Kapitalwert</translation>
    </message>
    <message>
        <source>NPV zero</source>
        <translation>Kapitalwert null</translation>
    </message>
    <message>
        <source>IRR key</source>
        <translation>IRR-Taste</translation>
    </message>
    <message>
        <source>Rate (%)</source>
        <translation>Zinssatz (%)</translation>
    </message>
</context>
<context>
    <name>cambist::AmortizationModel</name>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
</context>
<context>
    <name>cambist::AmortizationSheet</name>
    <message>
        <source>Amortization schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>First period</source>
        <translation>Erste Periode</translation>
    </message>
    <message>
        <source>Last period</source>
        <translation>Letzte Periode</translation>
    </message>
    <message>
        <source>Sum over the periods</source>
        <translation>Summe über die Perioden</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Perioden</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Copy schedule</source>
        <translation>Plan kopieren</translation>
    </message>
    <message>
        <source>N must be a whole number of periods from 1 to %1.</source>
        <translation>N muss eine ganze Zahl von Perioden zwischen 1 und %1 sein.</translation>
    </message>
    <message>
        <source>PV %1 repaid by %2 payments of %3 at %4 % per period; balance after the last: %5 (FV %6).</source>
        <translation>PV %1, getilgt mit %2 Zahlungen zu %3 bei %4 % pro Periode; Restschuld nach der letzten: %5 (FV %6).</translation>
    </message>
    <message>
        <source>no periods</source>
        <translation>keine Perioden</translation>
    </message>
    <message>
        <source>payments %1, interest %2, principal %3, balance %4</source>
        <translation>Zahlungen %1, Zinsen %2, Tilgung %3, Restschuld %4</translation>
    </message>
    <message>
        <source>Periods %1 to %2</source>
        <translation>Perioden %1 bis %2</translation>
    </message>
</context>
<context>
    <name>cambist::CalculatorWindow</name>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Present value</source>
        <translation>Barwert</translation>
    </message>
    <message>
        <source>N, number of periods</source>
        <translation>N, Anzahl der Perioden</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Future value</source>
        <translation>Endwert</translation>
    </message>
    <message>
        <source>I/Y, interest rate per period</source>
        <translation>I/Y, Zinssatz pro Periode</translation>
    </message>
    <message>
        <source>Year of next cash flow</source>
        <translation>Jahr des nächsten Zahlungsstroms</translation>
    </message>
    <message>
        <source>%1. Keys: %2</source>
        <translation>%1. Tasten: %2</translation>
    </message>
    <message>
        <source>Cash flows</source>
        <translation>Zahlungsströme</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Ausdruck</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Copy &amp;tape</source>
        <translation>&amp;Protokoll kopieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>C&amp;lear tape</source>
        <translation>Protokoll &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Mode</source>
        <translation>&amp;Modus</translation>
    </message>
    <message>
        <source>&amp;Cash-flow mode</source>
        <translation>&amp;Zahlungsstrom-Modus</translation>
    </message>
    <message>
        <source>C&amp;lear TVM and cash flows</source>
        <translation>TVM und Zahlungsströme &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;About Cambist</source>
        <translation>Ü&amp;ber Cambist</translation>
    </message>
    <message>
        <source>Cash flows mode</source>
        <translation>Modus Zahlungsströme</translation>
    </message>
    <message>
        <source>TVM mode</source>
        <translation>Modus TVM</translation>
    </message>
    <message>
        <source>TVM registers, year and cash flows cleared</source>
        <translation>TVM-Register, Jahr und Zahlungsströme gelöscht</translation>
    </message>
    <message>
        <source>- E -, error. Escape clears it.</source>
        <translation>- E -, Fehler. Escape löscht ihn.</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>1 cash flow added</source>
        <translation>1 Zahlungsstrom hinzugefügt</translation>
    </message>
    <message>
        <source>%1 cash flows added</source>
        <translation>%1 Zahlungsströme hinzugefügt</translation>
    </message>
    <message>
        <source>Newest cash flow removed</source>
        <translation>Neuester Zahlungsstrom entfernt</translation>
    </message>
    <message>
        <source>TVM</source>
        <translation>TVM</translation>
    </message>
    <message>
        <source>Mode: %1</source>
        <translation>Modus: %1</translation>
    </message>
    <message>
        <source>NPV</source>
        <translation>NPV</translation>
    </message>
    <message>
        <source>CPT</source>
        <translation>CPT</translation>
    </message>
    <message>
        <source>Compute net present value of the cash flows at I/Y</source>
        <translation>Kapitalwert der Zahlungsströme bei I/Y berechnen</translation>
    </message>
    <message>
        <source>Compute present value</source>
        <translation>Barwert berechnen</translation>
    </message>
    <message>
        <source>IRR</source>
        <translation>IRR</translation>
    </message>
    <message>
        <source>Compute internal rate of return of the cash flows</source>
        <translation>Internen Zinsfuß der Zahlungsströme berechnen</translation>
    </message>
    <message>
        <source>Compute interest rate</source>
        <translation>Zinssatz berechnen</translation>
    </message>
    <message>
        <source>the text is longer than %1 characters</source>
        <translation>der Text ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>a character that is no key</source>
        <translation>ein Zeichen, das keine Taste ist</translation>
    </message>
    <message>
        <source>more digits than one number holds</source>
        <translation>mehr Ziffern, als eine Zahl fasst</translation>
    </message>
    <message>
        <source>a second decimal point</source>
        <translation>ein zweiter Dezimalpunkt</translation>
    </message>
    <message>
        <source>a decimal point with no digit</source>
        <translation>ein Dezimalpunkt ohne Ziffer</translation>
    </message>
    <message>
        <source>both a point and a comma</source>
        <translation>sowohl ein Punkt als auch ein Komma</translation>
    </message>
    <message>
        <source>a number right after a number or bracket</source>
        <translation>eine Zahl direkt nach einer Zahl oder Klammer</translation>
    </message>
    <message>
        <source>a bracket right after a number</source>
        <translation>eine Klammer direkt nach einer Zahl</translation>
    </message>
    <message>
        <source>two operators in a row</source>
        <translation>zwei Operatoren hintereinander</translation>
    </message>
    <message>
        <source>a bracket right after an operator</source>
        <translation>eine Klammer direkt nach einem Operator</translation>
    </message>
    <message>
        <source>equals right after an operator</source>
        <translation>Gleich direkt nach einem Operator</translation>
    </message>
    <message>
        <source>a minus sign with no number after it</source>
        <translation>ein Minuszeichen ohne Zahl dahinter</translation>
    </message>
    <message>
        <source>the calculator shows an error</source>
        <translation>der Rechner zeigt einen Fehler</translation>
    </message>
    <message>
        <source>Paste refused: %1</source>
        <translation>Einfügen abgelehnt: %1</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Clear tape</source>
        <translation>Protokoll leeren</translation>
    </message>
    <message>
        <source>Tape closed</source>
        <translation>Protokoll geschlossen</translation>
    </message>
    <message>
        <source>Tape open, 1 line</source>
        <translation>Protokoll offen, 1 Zeile</translation>
    </message>
    <message>
        <source>Tape open, %1 lines</source>
        <translation>Protokoll offen, %1 Zeilen</translation>
    </message>
    <message>
        <source>Tape cleared</source>
        <translation>Protokoll geleert</translation>
    </message>
    <message>
        <source>Cambist help</source>
        <translation>Cambist-Hilfe</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Arithmetic&lt;/h3&gt;&lt;p&gt;Type an expression and press = (or Return): 2 + 3 &amp;times; 4 = gives 14. Power binds tighter than &amp;times; and &amp;divide;, which bind tighter than + and &amp;minus;.&lt;/p&gt;&lt;h3&gt;Money in, money out&lt;/h3&gt;&lt;p&gt;Money you receive is positive, money you pay is negative. A loan you receive is a positive PV repaid with negative payments; a deposit you pay in is a negative PV that grows to a positive FV. Payments fall at the end of each period, and I/Y is the rate per period in percent.&lt;/p&gt;&lt;h3&gt;Example: what is a series of payments worth today?&lt;/h3&gt;&lt;p&gt;10 periods of 100 paid at 5 % per period: type 10 and press N, 5 and press I/Y, 100 &amp;plusmn; and press PMT, 0 and press FV, then press CPT beside PV. PV shows 772.173493.&lt;/p&gt;&lt;h3&gt;Cash flows&lt;/h3&gt;&lt;p&gt;Press CF mode. Start a new list with CLR TVM, which also sets N to 0 and the year to 0. Type the first flow (an outlay is negative: 1000 &amp;plusmn;) and press CF+. N is the repeat count of the next CF+: type 4, press N, type 300 and press CF+ to add 300 at each of the next four years. Year sets the year of the next flow; CF&amp;minus; removes the newest. Then type a rate, press I/Y and press NPV, or press IRR for the rate that makes the NPV zero (searched between 0 and 100 %).&lt;/p&gt;&lt;h3&gt;- E -&lt;/h3&gt;&lt;p&gt;- E - means the last computation could not be done: a division by zero, or a rate that could not be found. Every key but AC beeps until you press AC (Escape).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Rechnen&lt;/h3&gt;&lt;p&gt;Geben Sie einen Ausdruck ein und drücken Sie = (oder die Eingabetaste): 2 + 3 &amp;times; 4 = ergibt 14. Die Potenz bindet stärker als &amp;times; und &amp;divide;, diese stärker als + und &amp;minus;.&lt;/p&gt;&lt;h3&gt;Geld herein, Geld hinaus&lt;/h3&gt;&lt;p&gt;Geld, das Sie erhalten, ist positiv, Geld, das Sie zahlen, ist negativ. Ein Kredit, den Sie erhalten, ist ein positiver PV, der mit negativen Zahlungen getilgt wird; eine Einlage, die Sie einzahlen, ist ein negativer PV, der zu einem positiven FV wächst. Zahlungen fallen am Ende jeder Periode an, und I/Y ist der Zinssatz pro Periode in Prozent.&lt;/p&gt;&lt;h3&gt;Beispiel: Was ist eine Folge von Zahlungen heute wert?&lt;/h3&gt;&lt;p&gt;10 Perioden zu je 100, gezahlt bei 5 % pro Periode: 10 eingeben und N drücken, 5 eingeben und I/Y drücken, 100 &amp;plusmn; eingeben und PMT drücken, 0 eingeben und FV drücken, dann CPT neben PV drücken. PV zeigt 772.173493.&lt;/p&gt;&lt;h3&gt;Zahlungsströme&lt;/h3&gt;&lt;p&gt;Drücken Sie CF-Modus. Beginnen Sie eine neue Liste mit CLR TVM; das setzt auch N und das Jahr auf 0. Geben Sie den ersten Zahlungsstrom ein (eine Auszahlung ist negativ: 1000 &amp;plusmn;) und drücken Sie CF+. N ist die Wiederholungszahl des nächsten CF+: 4 eingeben, N drücken, 300 eingeben und CF+ drücken, um 300 in jedem der nächsten vier Jahre hinzuzufügen. Year setzt das Jahr des nächsten Zahlungsstroms; CF&amp;minus; entfernt den neuesten. Dann einen Zinssatz eingeben, I/Y drücken und NPV drücken, oder IRR für den Zinssatz, bei dem der Kapitalwert null ist (gesucht zwischen 0 und 100 %).&lt;/p&gt;&lt;h3&gt;- E -&lt;/h3&gt;&lt;p&gt;- E - heißt, die letzte Rechnung war nicht möglich: eine Division durch null oder ein Zinssatz, der sich nicht finden ließ. Jede Taste außer AC piept, bis Sie AC (Escape) drücken.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Does</source>
        <translation>Wirkung</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>About Cambist</source>
        <translation>Über Cambist</translation>
    </message>
    <message>
        <source>&lt;b&gt;Cambist %1&lt;/b&gt;&lt;p&gt;A calculator with a financial mode: time value of money, cash flows, NPV and IRR.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Cambist %1&lt;/b&gt;&lt;p&gt;Ein Rechner mit Finanzmodus: Zeitwert des Geldes, Zahlungsströme, Kapitalwert und interner Zinsfuß.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>I/Y</source>
        <translation>I/Y</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>PMT</source>
        <translation>PMT</translation>
    </message>
    <message>
        <source>FV</source>
        <translation>FV</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>&amp;Worksheets</source>
        <translation>&amp;Arbeitsblätter</translation>
    </message>
    <message>
        <source>&amp;TVM solver</source>
        <translation>&amp;TVM-Löser</translation>
    </message>
    <message>
        <source>&amp;Amortization</source>
        <translation>&amp;Tilgungsplan</translation>
    </message>
    <message>
        <source>&amp;NPV profile</source>
        <translation>&amp;Kapitalwertprofil</translation>
    </message>
    <message>
        <source>TVM solver</source>
        <translation>TVM-Löser</translation>
    </message>
    <message>
        <source>Amortization schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>NPV profile</source>
        <translation>Kapitalwertprofil</translation>
    </message>
    <message>
        <source>Amortization</source>
        <translation>Tilgungsplan</translation>
    </message>
</context>
<context>
    <name>cambist::CashFlowModel</name>
    <message>
        <source>Year %1,</source>
        <translation>Jahr %1,</translation>
    </message>
    <message>
        <source>amount %1</source>
        <translation>Betrag %1</translation>
    </message>
</context>
<context>
    <name>cambist::DisplayField</name>
    <message>
        <source>%1 digits</source>
        <translation>%1 Stellen</translation>
    </message>
</context>
<context>
    <name>cambist::History</name>
    <message>
        <source>%1 → Error</source>
        <translation>%1 → Fehler</translation>
    </message>
    <message>
        <source>%1%2 = %3</source>
        <translation>%1%2 = %3</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1Year = %2</source>
        <translation>%1Jahr = %2</translation>
    </message>
    <message>
        <source>NPV at %1 % = %2</source>
        <translation>NPV bei %1 % = %2</translation>
    </message>
    <message>
        <source>CPT PV = %1</source>
        <translation>CPT PV = %1</translation>
    </message>
    <message>
        <source>CPT PV → Error</source>
        <translation>CPT PV → Fehler</translation>
    </message>
    <message>
        <source>CPT FV = %1</source>
        <translation>CPT FV = %1</translation>
    </message>
    <message>
        <source>CPT FV → Error</source>
        <translation>CPT FV → Fehler</translation>
    </message>
    <message>
        <source>IRR = %1</source>
        <translation>IRR = %1</translation>
    </message>
    <message>
        <source>IRR → Error</source>
        <translation>IRR → Fehler</translation>
    </message>
    <message>
        <source>CPT I/Y = %1</source>
        <translation>CPT I/Y = %1</translation>
    </message>
    <message>
        <source>CPT I/Y → Error</source>
        <translation>CPT I/Y → Fehler</translation>
    </message>
    <message>
        <source>MS %1 → M = %2</source>
        <translation>MS %1 → M = %2</translation>
    </message>
    <message>
        <source>M+ %1 → M = %2</source>
        <translation>M+ %1 → M = %2</translation>
    </message>
    <message>
        <source>M− %1 → M = %2</source>
        <translation>M− %1 → M = %2</translation>
    </message>
    <message>
        <source>MC → M = 0</source>
        <translation>MC → M = 0</translation>
    </message>
    <message>
        <source>MR = %1</source>
        <translation>MR = %1</translation>
    </message>
    <message>
        <source>ANS = %1</source>
        <translation>ANS = %1</translation>
    </message>
    <message>
        <source>√%1 = %2</source>
        <translation>√%1 = %2</translation>
    </message>
    <message>
        <source>%1 % = %2</source>
        <translation>%1 % = %2</translation>
    </message>
    <message>
        <source>%1CF+ %2, year %3</source>
        <translation>%1CF+ %2, Jahr %3</translation>
    </message>
    <message>
        <source>%1CF+ %2 × 0</source>
        <translation>%1CF+ %2 × 0</translation>
    </message>
    <message>
        <source>%1CF+ %2 × %3, years %4–%5</source>
        <translation>%1CF+ %2 × %3, Jahre %4–%5</translation>
    </message>
    <message>
        <source>CF−, 1 row left</source>
        <translation>CF−, 1 Zeile übrig</translation>
    </message>
    <message>
        <source>CF−, %1 rows left</source>
        <translation>CF−, %1 Zeilen übrig</translation>
    </message>
    <message>
        <source>CLR TVM</source>
        <translation>CLR TVM</translation>
    </message>
    <message>
        <source>Mode: Cash flows</source>
        <translation>Modus: Zahlungsströme</translation>
    </message>
    <message>
        <source>Mode: TVM</source>
        <translation>Modus: TVM</translation>
    </message>
</context>
<context>
    <name>cambist::KeySpec</name>
    <message>
        <source>000</source>
        <translation>000</translation>
    </message>
    <message>
        <source>Three zeros</source>
        <translation>Drei Nullen</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>⌫</source>
        <translation>⌫</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>±</source>
        <translation>±</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>AC</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>All clear</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>−</source>
        <translation>−</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>×</source>
        <translation>×</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>÷</source>
        <translation>÷</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Geteilt durch</translation>
    </message>
    <message>
        <source>xʸ</source>
        <translation>xʸ</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenz</translation>
    </message>
    <message>
        <source>(</source>
        <translation>(</translation>
    </message>
    <message>
        <source>Open bracket</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>)</source>
        <translation>)</translation>
    </message>
    <message>
        <source>Close bracket</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>√</source>
        <translation>√</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>MR</source>
        <translation>MR</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>MS</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Im Speicher ablegen</translation>
    </message>
    <message>
        <source>M+</source>
        <translation>M+</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Zum Speicher addieren</translation>
    </message>
    <message>
        <source>M−</source>
        <translation>M−</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Vom Speicher abziehen</translation>
    </message>
    <message>
        <source>ANS</source>
        <translation>ANS</translation>
    </message>
    <message>
        <source>Recall last answer</source>
        <translation>Letztes Ergebnis abrufen</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Store in N, number of periods</source>
        <translation>In N ablegen, Anzahl der Perioden</translation>
    </message>
    <message>
        <source>I/Y</source>
        <translation>I/Y</translation>
    </message>
    <message>
        <source>Store in I/Y, interest rate per period</source>
        <translation>In I/Y ablegen, Zinssatz pro Periode</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>Store in present value</source>
        <translation>Im Barwert ablegen</translation>
    </message>
    <message>
        <source>PMT</source>
        <translation>PMT</translation>
    </message>
    <message>
        <source>Store in payment</source>
        <translation>In der Zahlung ablegen</translation>
    </message>
    <message>
        <source>FV</source>
        <translation>FV</translation>
    </message>
    <message>
        <source>Store in future value</source>
        <translation>Im Endwert ablegen</translation>
    </message>
    <message>
        <source>CPT</source>
        <translation>CPT</translation>
    </message>
    <message>
        <source>Compute interest rate</source>
        <translation>Zinssatz berechnen</translation>
    </message>
    <message>
        <source>Compute present value</source>
        <translation>Barwert berechnen</translation>
    </message>
    <message>
        <source>Compute future value</source>
        <translation>Endwert berechnen</translation>
    </message>
    <message>
        <source>CLR TVM</source>
        <translation>CLR TVM</translation>
    </message>
    <message>
        <source>Clear financial registers and cash flows</source>
        <translation>Finanzregister und Zahlungsströme löschen</translation>
    </message>
    <message>
        <source>CF mode</source>
        <translation>CF-Modus</translation>
    </message>
    <message>
        <source>Cash-flow mode</source>
        <translation>Zahlungsstrom-Modus</translation>
    </message>
    <message>
        <source>CF+</source>
        <translation>CF+</translation>
    </message>
    <message>
        <source>Add cash flow</source>
        <translation>Zahlungsstrom hinzufügen</translation>
    </message>
    <message>
        <source>CF−</source>
        <translation>CF−</translation>
    </message>
    <message>
        <source>Delete last cash flow</source>
        <translation>Letzten Zahlungsstrom löschen</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Set year of next cash flow</source>
        <translation>Jahr des nächsten Zahlungsstroms setzen</translation>
    </message>
</context>
<context>
    <name>cambist::KeyStroke</name>
    <message>
        <source>plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>asterisk</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>Schrägstrich</translation>
    </message>
    <message>
        <source>caret</source>
        <translation>Zirkumflex</translation>
    </message>
    <message>
        <source>left bracket</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>right bracket</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>equals sign</source>
        <translation>Gleichheitszeichen</translation>
    </message>
    <message>
        <source>period</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>at sign</source>
        <translation>At-Zeichen</translation>
    </message>
    <message>
        <source>percent sign</source>
        <translation>Prozentzeichen</translation>
    </message>
    <message>
        <source>keypad %1</source>
        <translation>Ziffernblock %1</translation>
    </message>
    <message>
        <source>keypad decimal</source>
        <translation>Ziffernblock Komma</translation>
    </message>
    <message>
        <source>keypad Enter</source>
        <translation>Ziffernblock Enter</translation>
    </message>
    <message>
        <source>dead circumflex</source>
        <translation>Tottaste Zirkumflex</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
</context>
<context>
    <name>cambist::NpvProfileSheet</name>
    <message>
        <source>NPV profile</source>
        <translation>Kapitalwertprofil</translation>
    </message>
    <message>
        <source>Lowest rate</source>
        <translation>Niedrigster Zinssatz</translation>
    </message>
    <message>
        <source>Highest rate</source>
        <translation>Höchster Zinssatz</translation>
    </message>
    <message>
        <source>Rates from</source>
        <translation>Zinssätze von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>NPV against the rate</source>
        <translation>Kapitalwert über dem Zinssatz</translation>
    </message>
    <message>
        <source>The chart could not be loaded: %1</source>
        <translation>Das Diagramm ließ sich nicht laden: %1</translation>
    </message>
    <message>
        <source>Rates where the NPV is zero</source>
        <translation>Zinssätze mit Kapitalwert null</translation>
    </message>
    <message>
        <source>%1 % (the IRR key's answer)</source>
        <translation>%1 % (Antwort der IRR-Taste)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>The cash-flow list is empty.</source>
        <translation>Die Liste der Zahlungsströme ist leer.</translation>
    </message>
    <message>
        <source>The NPV is zero at no rate from %1 % to %2 %.</source>
        <translation>Der Kapitalwert ist bei keinem Zinssatz von %1 % bis %2 % null.</translation>
    </message>
    <message>
        <source>The NPV is zero at %1 rates: the list has more than one internal rate of return, and the IRR key finds at most one of them.</source>
        <translation>Der Kapitalwert ist bei %1 Zinssätzen null: Die Liste hat mehr als einen internen Zinsfuß, und die IRR-Taste findet höchstens einen davon.</translation>
    </message>
    <message>
        <source>A rate lies outside 0 to 100 %, where the IRR key does not search.</source>
        <translation>Ein Zinssatz liegt außerhalb von 0 bis 100 %, wo die IRR-Taste nicht sucht.</translation>
    </message>
    <message>
        <source>The IRR key gives %1 %.</source>
        <translation>Die IRR-Taste ergibt %1 %.</translation>
    </message>
    <message>
        <source>The IRR key fails.</source>
        <translation>Die IRR-Taste findet keinen Zinssatz.</translation>
    </message>
</context>
<context>
    <name>cambist::TvmSolverSheet</name>
    <message>
        <source>TVM solver</source>
        <translation>TVM-Löser</translation>
    </message>
    <message>
        <source>The value of each register that balances the other four. Use types it into the display; then store it with the register's key.</source>
        <translation>Der Wert jedes Registers, der die anderen vier ausgleicht. Übernehmen tippt ihn in die Anzeige; dann legen Sie ihn mit der Taste des Registers ab.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>I/Y</source>
        <translation>I/Y</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>PV</translation>
    </message>
    <message>
        <source>PMT</source>
        <translation>PMT</translation>
    </message>
    <message>
        <source>FV</source>
        <translation>FV</translation>
    </message>
    <message>
        <source>%1 that balances</source>
        <translation>%1, der ausgleicht</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1 übernehmen</translation>
    </message>
    <message>
        <source>no solution between 0 and 100 %</source>
        <translation>keine Lösung zwischen 0 und 100 %</translation>
    </message>
    <message>
        <source>no solution</source>
        <translation>keine Lösung</translation>
    </message>
    <message>
        <source>Nothing a key could type</source>
        <translation>Nichts, was Tasten tippen könnten</translation>
    </message>
    <message>
        <source>Types %1</source>
        <translation>Tippt %1</translation>
    </message>
</context>
<context>
    <name>cambist::Worksheets</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>