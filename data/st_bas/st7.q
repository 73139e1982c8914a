# How Trains Work

Where does the text bring up trucks?
+ in explaining why steel wheels roll easily
- in the opening, on moving large loads
- in listing what freight trains carry
- in comparing the speed of fast trains

How many kinds of track fault does the text name?
- one
+ two
- three
- four

What does the text explain right after the rails, ties and stone bed?
+ how the first steam engines worked
- how signals keep trains apart
- what kinds of trains there are
- how flanges keep wheels on the track

Steam engines were noisy, smoky and full of what, says the text?
- charm
- personality
- power
+ character

What does the text say electric trains use to take power from overhead wires?
- an arm on the roof
- a pole on the roof
+ a frame on the roof
- a rod on the roof

What does the text call the movable rails that guide trains onto another track?
- switches
+ points
- crossings
- junctions

How many kinds of freight does the text list?
- three
- four
+ five
- six

Which idea does the text's final sentence express?
- trains are still a top way to haul big loads far
- trains changed how people lived and worked
- electric trains are quiet, quick and clean
+ the train stays a clever, handy way to get about
