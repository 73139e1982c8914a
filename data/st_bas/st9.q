# Kites and How They Fly

What is the text mainly about?
- how the first kites were made in China
- why kites were once used to send signals
- how to build a box kite at home
+ how kites fly and how to fly one well

What were early kites built from?
+ bamboo, with silk or paper stretched across
- thin metal rods, with cloth stretched across
- dried reeds, with leaves stretched across
- whale bone, with leather stretched across

What does the bridle of a kite do?
- it adds a little weight and drag at the bottom
- it gives the kite its shape and keeps it stiff
- it is the light cover that catches the wind
+ it holds the kite at the right angle to the wind

What happens as the moving air strikes the sail?
- the air slips round the sail and pulls it forward
+ the air is pushed down and pushes the kite up
- the air warms under the sail and carries it up
- the air spins the kite round to face the ground

Why does a kite often settle down once it has climbed a little way?
- the line grows tighter as more of it is let out
- the tail hangs straight down when the kite is high
+ the wind higher up tends to be smoother
- gravity grows weaker the higher the kite goes

What does the text suggest when a kite starts to fall?
+ let out some more line
- run hard into the wind
- wind in the line quickly
- shake the line from side to side

Which kites have no tail and are very stable in strong winds?
- diamond kites
+ box kites
- delta kites
- two-line kites

Why should you never fly a kite in a storm?
- strong gusts can snap even a thick line
- rain soaks the sail and makes it too heavy
+ lightning can strike a line that flies high
- the kite is lost from sight in the clouds
