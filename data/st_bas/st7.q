# How Trains Work

Which change brought by trains does the opening NOT mention?
- towns growing up along the lines
- long trips taking a day, not weeks
- changes in how people lived and worked
+ fresh food reaching city markets

What does the opening say about trains today?
- they carry huge crowds under city streets
+ they remain a top way to shift heavy loads far
- they are so heavy they cannot stop quickly
- they can go far faster than cars on motorways

What does the text explain right after the rails, sleepers and stone bed?
+ how the first steam engines worked
- how signals keep trains apart
- what kinds of trains there are
- how flanges keep wheels on the track

Which part of a steam engine does the text NOT mention?
- the boiler
- the cylinders
+ the chimney
- the pistons

Which advantage of electric trains does the text NOT mention?
- they are quiet
- they speed up quickly
- they are clean where they run
+ they use less energy

What does the text deal with right before the many kinds of trains?
+ how trains are kept safely apart
- how diesel and electric trains run
- how workers check the track
- how steel wheels roll so easily

How many kinds of freight does the text list?
- three
- four
+ five
- six

Which joy of train travel does the last paragraph NOT name?
- the rhythm of the wheels
+ the sound of the whistle
- the view past the window
- a chance to read or rest
