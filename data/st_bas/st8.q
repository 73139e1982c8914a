# How Bees Make Honey

What is the text mainly about?
- why bees are in danger and how people can help them
+ how bees turn nectar into honey and how it is gathered
- how to set up a beehive in a garden of your own
- the many different kinds of bees around the world

Which bees do nearly every job in the hive?
- the drones, which are all male
- the queen and her young daughters
- the oldest bees of the colony
+ the workers, which are all female

Where does a worker bee store the nectar it collects?
+ in a part of its body called the honey stomach
- in small baskets on the sides of its back legs
- in the thick hairs that cover most of its body
- in the tip of its long tongue until it gets home

Why does each cell of the comb have six sides?
- the shape keeps the honey warm through the winter
- the shape makes the comb strong enough to stand
+ the shape holds the most honey for the least wax
- the shape lets the bees pass each other easily

How do the bees dry out the nectar?
- they pass it from mouth to mouth
- they leave the cells open to the sun
- they seal each cell with a cap of wax
+ they fan their wings over the comb

How much honey does one worker bee make in her whole life?
+ far less than a teaspoon
- about a full teaspoon
- close to half a jar
- a cup or a little more

Why do beekeepers often use a little smoke?
- it drives the bees out of the hive for a while
+ it makes the bees less likely to sting
- it softens the wax caps on the cells
- it helps the honey run out of the frames

What does the text say about honey that turns cloudy and firm?
- it has gone bad and should be thrown away
- it was taken from the hive too early
+ it is natural, and gentle warming makes it runny
- it has had sugar or water mixed into it
