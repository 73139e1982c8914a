# Kites and How They Fly

Where does the opening picture a kite that seems almost alive?
- on a windy beach
+ in an open field
- on a grassy hill
- in a city park

Which use of early kites does the text NOT mention?
+ in warfare
- for fun
- at festivals
- for sending signals

Which part of the kite does the text describe right after the sail?
- the frame
- the tail
+ the bridle
- the spine

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

What does the text say about delta kites?
- they are the classic, easy design
+ they fly well in light air
- they suit strong winds and need no tail
- they can be steered through loops

Which safety tip does the text NOT give?
- keep well away from roads
- stay clear of power lines
+ keep away from trees
- never fly in a storm

Which idea does the text end with?
+ kite flying is a cheap and simple pastime
- knowing the rules makes kite flying easier
- a steady, gentle breeze suits most kites
- kites spread from Asia to Europe and beyond
