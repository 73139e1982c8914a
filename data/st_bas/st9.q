# Kites and How They Fly

Where does the opening picture a kite that seems almost alive?
- on a windy beach
+ in a wide open field
- on a grassy hill
- in a city park

Which part of the kite does the text describe right after the sail?
- the frame
- the tail
+ the bridle
- the flying line

What does the text say the line does to the kite?
+ pulls it forward
- pushes it upward
- pushes it backward
- pulls it downward

Which launching tip does the text NOT give?
- have a friend hold the kite up
- pull gently on the line
- let out more line if it falls
+ keep your back to the wind

When does the helper let go of the kite, according to the text?
- when the line is tight
- when the flyer starts to run
- when the flyer calls out
+ when a gust of wind comes

Which kind of kite does the text NOT describe?
+ the sled kite
- the box kite
- the delta kite
- the diamond kite

What does the text deal with right before its advice on safety?
- how to launch a kite
+ the many shapes of kite
- how strong the wind should be
- how a kite stays in the air

Which point does the text make in its final sentence?
- knowing the rules makes kites easier to fly
- kites have been flown for many centuries
+ kite flying is a cheap joy for all ages
- kites obey the rules of all flying things
