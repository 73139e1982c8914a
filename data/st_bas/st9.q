# Kites and How They Fly

Where does the opening picture a kite that seems almost alive?
- on a windy beach
+ in a wide open field
- on a grassy hill
- in a city park

Besides fun and festivals, what does the text say early kites were sometimes used for?
- scaring birds from crops
- catching fish at sea
+ giving signals
- measuring the wind

What does the text call the short strings that join the kite to its line?
+ the bridle
- the harness
- the rigging
- the yoke

As the moving air strikes the sail, which way does the text say it is pushed?
- upward
+ downward
- backward
- sideways

When does the helper let go of the kite, according to the text?
- when the line is tight
- when the flyer starts to run
- when the flyer calls out
+ when a gust of wind comes

Which kite does the text say flies well in light air?
- the box kite
- the diamond kite
+ the delta kite
- the sled kite

How many lines does the text say steerable kites have?
- two or three
- three or four
- four or six
+ two or four

In its last sentence, how does the text describe kite flying?
+ a cheap and simple joy
- a calm and healthy hobby
- a quiet and gentle pastime
- a safe and easy sport
