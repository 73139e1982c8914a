# Our Neighbour the Moon

Whom does the opening say the moon has guided?
- navigators
+ travellers
- farmers
- fishermen

Where does the text first mention astronauts?
- in telling of the 1969 landing
- in describing lasting footprints
+ in explaining the moon's weak pull
- in describing the far side's pictures

Which phase does the text say the cycle starts with?
+ a thin crescent
- a dark new moon
- a half moon
- a full round disc

Where does the text first mention craters?
- in explaining the bright highlands
- in the opening's list of features
- in describing the lack of air
+ in describing the far side

How does the text describe the surface in the dark?
+ bitterly cold
- freezing cold
- icy cold
- deadly cold

Which topic does the text cover just before the tides?
- the moon's phases
- the first moon landing
+ the moon's lack of air
- the moon's far side

Which activity of the astronauts does the text NOT mention?
- collecting rocks
+ planting a flag
- setting up experiments
- taking photographs

Which idea does the text's final sentence express?
- people have gazed at the moon since the very start
- the moon is a real world of its own
- the moon has a strong effect on our planet
+ people may one day go back to stay longer
